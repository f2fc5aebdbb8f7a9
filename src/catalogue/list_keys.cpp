#include "catalogue/list_keys.h"

#include "app/state.h"

namespace catalogue {

namespace {
template <class From, class To>
void copyList(const From& f, To& t) {
    t.FindAllFiles = f.FindAllFiles;
    t.List2Refs = f.List2Refs;
    t.FindAllLast = f.FindAllLast;
    t.BookKind = f.BookKind;
    t.LangStem = f.LangStem;
    t.SxxTitle = f.SxxTitle;
    t.BackTo = f.BackTo;
    t.SelectForm = f.SelectForm;
    t.BibleMode = f.BibleMode;
}
} // namespace

void ListKeys::takeFrom(const app::State& s) {
    copyList(s, *this);
}

void ListKeys::putInto(app::State& s) const {
    copyList(*this, s);
}

} // namespace catalogue
