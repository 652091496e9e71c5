#pragma once

#include "app/screen_header.h"

#include "app/form10.h"
#include "app/form13.h"
#include "app/mdi_form1.h"
#include "conditions/form23.h"
#include "conditions/form25.h"
#include "conditions/form3.h"
#include "model/design_data.h"
#include "platform/form.h"
#include "report/output/form15.h"
#include "report/output/preview_page.h"
#include "sections/form22.h"
#include "sections/form7.h"
#include "stability/form14.h"
#include "stability/form19.h"
#include "stability/form21.h"
#include "stability/form26.h"
#include "stability/form4.h"

namespace app {

// The running program: the design data and every window, each created on its first reference
// through its slot (`prog.Form4()`) and discarded by its unload.
struct Program {
    Program();
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    model::DesignData d;

    // The report output object: the surface every report writer draws on (a preview page's canvas
    // or the printer); set only by the preview and by printing, empty until then.
    platform::Surface* Pri_Obj = nullptr;
    // The number of the first sheet of the next print job.
    float Pri_FirstPageNo = 0;

    platform::FormSlot<app::MDIForm1> MDIForm1;
    platform::FormSlot<app::Form10> Form10;
    platform::FormSlot<app::Form13> Form13;
    platform::FormSlot<conditions::Form3> Form3;
    platform::FormSlot<conditions::Form23> Form23;
    platform::FormSlot<conditions::Form25> Form25;
    platform::FormSlot<stability::Form4> Form4;
    platform::FormSlot<stability::Form14> Form14;
    platform::FormSlot<stability::Form19> Form19;
    platform::FormSlot<stability::Form21> Form21;
    platform::FormSlot<stability::Form26> Form26;
    platform::FormSlot<sections::Form7> Form7;
    platform::FormSlot<sections::Form22> Form22;
    platform::FormSlot<report::Form15> Form15;
    // The report's preview pages 1 to 9, one page-window class under nine names.
    platform::FormSlot<report::PreviewPage> Form1, Form2, Form5, Form18, Form6, Form8, Form16, Form17, Form20;
};

} // namespace app
