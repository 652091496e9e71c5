#pragma once

#include "app/screen_header.h"

#include <string>

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/menu.h"
#include "platform/result.h"
#include "platform/services.h"

namespace app {

struct Program;

// The main window: menus, toolbar and the current project's file.
class MDIForm1 : public platform::Form {
public:
    explicit MDIForm1(Program& program);

    // The toolbar's buttons by their 1-based index; 4 is a separator.
    enum ToolbarButtonIndex : int {
        kButtonNew = 1,       // "新規作成": FileNew
        kButtonOpen = 2,      // "開く": FileOpen
        kButtonOverwrite = 3, // "上書き保存": FileUpdate
        kButtonImage = 5,     // "印刷ｲﾒｰｼﾞ": FileImage
        kButtonPrint = 6,     // "印刷": the print dialog
    };

    platform::MenuItem Men_F{*this, "Men_F", "ﾌｧｲﾙ(&F)"};                           // File menu
    platform::MenuItem Men_FNew{*this, "Men_FNew", "新規作成(&N)", &Men_F};         // New
    platform::MenuItem Men_FOpn{*this, "Men_FOpn", "開く(&O)", &Men_F};             // Open
    platform::MenuItem Men_FCls{*this, "Men_FCls", "閉じる(&C)", &Men_F};           // Close
    platform::MenuItem Men_FL1{*this, "Men_FL1", "-", &Men_F};                      // separator
    platform::MenuItem Men_FOvw{*this, "Men_FOvw", "上書き保存(&V)", &Men_F};       // Overwrite-save
    platform::MenuItem Men_FSav{*this, "Men_FSav", "名前を付けて保存(&A)", &Men_F}; // Save as
    platform::MenuItem Men_FL2{*this, "Men_FL2", "-", &Men_F};                      // separator
    platform::MenuItem Men_FImg{*this, "Men_FImg", "印刷イメージ(&I)", &Men_F};     // report preview
    platform::MenuItem Men_FPrn{*this, "Men_FPrn", "印刷(&P)", &Men_F};             // print dialog
    platform::MenuItem Men_FL3{*this, "Men_FL3", "-", &Men_F};                      // separator
    platform::MenuItem Men_FEnd{*this, "Men_FEnd", "終了(&X)", &Men_F};             // Exit
    platform::MenuItem Men_S{*this, "Men_S", "参考(&S)"};                           // the reference window
    platform::MenuItem Men_H{*this, "Men_H", "ﾍﾙﾌﾟ(&H)"};                           // Help menu
    platform::MenuItem Men_FVer{*this, "Men_FVer", "ﾊﾞｰｼﾞｮﾝ情報(&A)", &Men_H};      // the About box
    platform::Toolbar Toolbar1{*this, "Toolbar1"}; // New, Open, Overwrite-save, preview, print

    // The current project's path (the file dialog's FileName); empty when the project has no file.
    std::string fileName;

    // Named operations.
    void FileImage();
    void FileNew();
    void FileOpen();
    void FileUpdate();
    void FilePrint();
    // The report's three parts on the printer; a fault ends the print job.
    platform::Status Pri_Ippan();
    platform::Status Pri_Keisan();
    platform::Status Pri_Haikin();

    // Handlers.
    void Men_F_Click();
    void Men_FNew_Click();
    void Men_FOpn_Click();
    void Men_FCls_Click();
    void Men_FOvw_Click();
    void Men_FSav_Click();
    void Men_FImg_Click();
    void Men_FPrn_Click();
    void Men_FEnd_Click();
    void Men_S_Click();
    void Men_FVer_Click();
    void Toolbar1_ButtonClick(const platform::ToolbarButton& button);

    // Overwrite-save, preview and print wait for new results (the dimensions screen's second mark).
    void disableOutputButtons();
    // An input screen closed through its frame: asks as "閉じる" does and, on OK, closes the project
    // as that command does (cancel stays false); on Cancel sets cancel and changes nothing.
    void closeFromScreenFrame(bool& cancel);

protected:
    void Form_Load() override;
    void Form_QueryUnload(bool& cancel) override;

private:
    void layOut();
    void clearResultMarkers();
    platform::FileDialogOptions fileDialog(std::string title) const;
    bool writeProject(const std::string& path);
    bool recalculateOpened();
    bool recalculateMembers();
    // The page-number footer of the sheet being printed, when numbering is chosen.
    void PrintPageNo();
    // The project's design values go with its screens, so that no later preview, print, save or opened
    // project carries them on; the last run's sliding factor stays, as the File menu's print items
    // follow it.
    void dropDesignValues();
    void unloadProject(bool withForm21);
    void closeProject();

    Program& prog_;
};

} // namespace app
