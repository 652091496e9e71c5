# Fails when a source, test or benchmark includes a file by an absolute path: such a file exists on one
# machine only, and the build breaks everywhere else.
#   cmake -DROOT=<source folder> -P check_includes.cmake
if(NOT ROOT)
    message(FATAL_ERROR "check_includes: ROOT is not set")
endif()
file(GLOB_RECURSE sources LIST_DIRECTORIES false
    "${ROOT}/src/*" "${ROOT}/tests/*" "${ROOT}/bench/*")
set(found "")
foreach(f ${sources})
    if(NOT f MATCHES "\\.(c|cc|cpp|cxx|h|hh|hpp|hxx|inc)$")
        continue()
    endif()
    file(STRINGS "${f}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]([/\\\\]|[A-Za-z]:)")
    foreach(l ${lines})
        file(RELATIVE_PATH rel "${ROOT}" "${f}")
        string(STRIP "${l}" l)
        string(APPEND found "  ${rel}: ${l}\n")
    endforeach()
endforeach()
if(found)
    message(FATAL_ERROR "Includes by an absolute path (use a path inside the repository):\n${found}")
endif()
message(STATUS "No include by an absolute path")
