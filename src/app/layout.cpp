#include "app/layout.h"

#include <algorithm>
#include <cstdint>

#include "app/program.h"
#include "catalogue/frm_list0.h"
#include "catalogue/frm_list1.h"
#include "catalogue/frm_list2.h"
#include "reader/frm_text1.h"
#include "search/frm_find6.h"
#include "shell/frm_main.h"
#include "shell/frm_text0.h"
#include "study/frm_text3.h"

namespace app {

namespace {

using i16 = std::int16_t;

// 16-bit arithmetic as the layout figures assume; heights beyond the 16-bit
// range are clamped instead of overflowing.
i16 clamp16(long v) {
    return static_cast<i16>(std::clamp<long>(v, INT16_MIN, INT16_MAX));
}

void buttonColumn(ui::Button& prev, ui::Button& next, ui::Button& last, i16 b) {
    if (b <= 10)
        return;
    prev.setHeight(b);
    next.setHeight(b);
    next.setTop(prev.Top + prev.Height);
    last.setTop(next.Top + next.Height);
}

} // namespace

void fitChildren(Program& p) {
    shell::FrmMain& main = p.frmMain();
    // A minimised window has no height to fit to.
    if (main.windowState() == ui::WindowState::Minimized)
        return;
    const i16 H = clamp16(main.Height);
    // At the load height the children keep their designed sizes; once they
    // were fitted to another height, the load height (a window restored
    // after a maximise) fits them as well, or they would stay taller than
    // the window.
    if (H == 6000 && !main.childrenFitted)
        return;
    const i16 u = static_cast<i16>(H / 18);
    if (u < 120)
        return;
    main.childrenFitted = true;
    const i16 f = static_cast<i16>(u / 5);
    auto minus = [](i16 a, int b) { return clamp16(long{a} - b); };

    // A child window and the control that fills it, shrunk by less twips and
    // extra pixels.
    auto pane = [&](ui::Window& w, ui::Control& filler, int less, int extra) {
        w.setHeight(minus(H, less));
        filler.setHeight(clamp16(u - extra + f));
    };
    pane(p.frmList0(), p.frmList0().lstMain0, 779, 78);
    pane(p.frmList1(), p.frmList1().lstMain1, 756, 78);
    pane(p.frmList2(), p.frmList2().lstMain2, 856, 78);
    pane(p.frmFind6(), p.frmFind6().TextF, 770, 135);
    pane(p.frmtext0(), p.frmtext0().Text1, 770, 52);
    auto& text1 = p.frmText1();
    pane(text1, text1.Text1, 730, 90);
    buttonColumn(text1.btnPrev, text1.btnNext, text1.btnLast, clamp16((u / 2 - 79) + f / 2));

    auto& text2 = p.frmtext2();
    text2.setHeight(minus(H, 798));
    i16 b = clamp16((u / 2 - 20) + f / 2);
    if (b > 10) {
        b = clamp16(long{b} * 8);
        text2.Text1.setHeight(b / 6);
        text2.Note.setHeight(b / 14);
        text2.Note.setTop(text2.Text1.Top + text2.Text1.Height);
    }

    auto& text3 = p.frmText3();
    text3.setHeight(minus(H, 620));
    buttonColumn(text3.btnPrev, text3.btnNext, text3.btnLast, clamp16((u / 2 - 70) + f / 2));
    const i16 n = clamp16(long{u} - text3.Text31.Height - text3.Text32.Height + f / 2);
    if (n > 10)
        text3.Text33.setHeight(n - 56);

    text1.setTop(-15);
    text1.setLeft(4775);
}

} // namespace app
