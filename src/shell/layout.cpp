#include "shell/layout.h"

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

namespace shell {

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

void fitChildren(app::Program& p) {
    FrmMain& main = p.frmMain();
    if (main.windowState() == 2)
        return;
    const i16 H = clamp16(main.Height);
    if (H == 6000)
        return;
    const i16 u = static_cast<i16>(H / 18);
    if (u < 120)
        return;
    const i16 f = static_cast<i16>(u / 5);
    auto minus = [](i16 a, int b) { return clamp16(long{a} - b); };

    auto& list0 = p.frmList0();
    list0.setHeight(minus(H, 779));
    list0.lstMain0.setHeight(clamp16(u - 78 + f));
    auto& list1 = p.frmList1();
    list1.setHeight(minus(H, 756));
    list1.lstMain1.setHeight(clamp16(u - 78 + f));
    auto& list2 = p.frmList2();
    list2.setHeight(minus(H, 856));
    list2.lstMain2.setHeight(clamp16(u - 78 + f));
    auto& find = p.frmFind6();
    find.setHeight(minus(H, 770));
    find.TextF.setHeight(clamp16(u - 135 + f));
    auto& text0 = p.frmtext0();
    text0.setHeight(minus(H, 770));
    text0.Text1.setHeight(clamp16(u - 52 + f));
    auto& text1 = p.frmText1();
    text1.setHeight(minus(H, 730));
    text1.Text1.setHeight(clamp16(u - 90 + f));
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

} // namespace shell
