#include "app/state.h"

#include <cstdlib>
#include <functional>
#include <map>

#include "ui/value.h"

namespace app {

namespace {

template <size_t N>
bool element(const std::array<std::string, N>& a, const std::string& index, std::string& out) {
    auto i = ui::parseLong(index);
    if (!i || *i < 0 || static_cast<size_t>(*i) >= N)
        return false;
    out = a[static_cast<size_t>(*i)];
    return true;
}

} // namespace

bool State::get(const std::string& name, std::string& out) const {
    std::string base = name, index;
    if (auto open = name.find('('); open != std::string::npos && name.back() == ')') {
        base = name.substr(0, open);
        index = name.substr(open + 1, name.size() - open - 2);
    }
    using Getter = std::function<bool(const State&, const std::string&, std::string&)>;
    auto str = [](std::string State::*m) {
        return Getter([m](const State& s, const std::string&, std::string& o) {
            o = s.*m;
            return true;
        });
    };
    auto flag = [](bool State::*m) {
        return Getter([m](const State& s, const std::string&, std::string& o) {
            o = ui::boolText(s.*m);
            return true;
        });
    };
    auto num = [](auto State::*m) {
        return Getter([m](const State& s, const std::string&, std::string& o) {
            o = std::to_string(s.*m);
            return true;
        });
    };
    auto arr = [](auto State::*m) {
        return Getter([m](const State& s, const std::string& i, std::string& o) {
            return element(s.*m, i, o);
        });
    };
    static const std::map<std::string, Getter> table = {
        {"DataPath", str(&State::DataPath)},
        {"PadText", str(&State::PadText)},
        {"Abbrev", arr(&State::Abbrev)},
        {"AbbrevLast", num(&State::AbbrevLast)},
        {"StartTitles", arr(&State::StartTitles)},
        {"StartKeys", arr(&State::StartKeys)},
        {"List1Keys", arr(&State::List1Keys)},
        {"FindAllFiles", arr(&State::FindAllFiles)},
        {"FindAllLast", num(&State::FindAllLast)},
        {"List2Refs", arr(&State::List2Refs)},
        {"ListTitle", str(&State::ListTitle)},
        {"SxxTitle", str(&State::SxxTitle)},
        {"BookKind", str(&State::BookKind)},
        {"BibleMode", flag(&State::BibleMode)},
        {"LangStem", str(&State::LangStem)},
        {"BookLists", flag(&State::BookLists)},
        {"BackTo", str(&State::BackTo)},
        {"SelectForm", str(&State::SelectForm)},
        {"NoHistory", flag(&State::NoHistory)},
        {"RefLines", num(&State::RefLines)},
        {"BookFile", str(&State::BookFile)},
        {"BookTitle", str(&State::BookTitle)},
        {"TitleKnown", flag(&State::TitleKnown)},
        {"IndexFile", str(&State::IndexFile)},
        {"IndexLine", str(&State::IndexLine)},
        {"IndexLen", num(&State::IndexLen)},
        {"FirstPage", num(&State::FirstPage)},
        {"LastPage", num(&State::LastPage)},
        {"CurPage", num(&State::CurPage)},
        {"ShownPage", num(&State::ShownPage)},
        {"NavPage", num(&State::NavPage)},
        {"FirstEntry", str(&State::FirstEntry)},
        {"LastEntry", str(&State::LastEntry)},
        {"PageText", str(&State::PageText)},
        {"PageGiven", flag(&State::PageGiven)},
        {"KeyFound", flag(&State::KeyFound)},
        {"ParaCount", num(&State::ParaCount)},
        {"CurPara", num(&State::CurPara)},
        {"ParaList", arr(&State::ParaList)},
        {"VerseList", arr(&State::VerseList)},
        {"SearchHit", flag(&State::SearchHit)},
        {"MarkPending", flag(&State::MarkPending)},
        {"HiliteText", str(&State::HiliteText)},
        {"HiliteLen", num(&State::HiliteLen)},
        {"CaseSearch", flag(&State::CaseSearch)},
        {"WholeWordSearch", flag(&State::WholeWordSearch)},
        {"SearchAllBooks", flag(&State::SearchAllBooks)},
        {"FindFromText3", flag(&State::FindFromText3)},
        {"FindCaller", str(&State::FindCaller)},
        {"HitFile", str(&State::HitFile)},
        {"HitKey", str(&State::HitKey)},
        {"DefShown", flag(&State::DefShown)},
        {"SavedText32", str(&State::SavedText32)},
        {"SavedText33", str(&State::SavedText33)},
    };
    auto it = table.find(base);
    if (it == table.end())
        return false;
    return it->second(*this, index, out);
}

} // namespace app
