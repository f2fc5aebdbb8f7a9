// The reindex: index lines rebuilt over untouched bodies; refused files left as they are.
#include <gtest/gtest.h>

#include <sstream>

#include "check_fixture.h"
#include "library/index_file.h"
#include "library/index_line.h"

using testing_check::Lib;
using testing_check::lines;

namespace {

// Reindexes the files; false when one was refused. The output goes to out.
bool reindex(const Lib& lib, const std::vector<std::string>& names, std::string& out) {
    std::vector<std::string> paths;
    for (const std::string& name : names)
        paths.push_back((lib.dir / name).string());
    std::ostringstream printed;
    const bool ok = library::reindexFiles(paths, printed);
    out = printed.str();
    return ok;
}

} // namespace

TEST(Reindex, RebuildsBooksNotesAndDictionariesBodyUntouched) {
    Lib lib;
    std::string out;
    for (const std::string name : {"GEN.TXV", "GENCOM.TXV", "lgrkdict.txd", "WIS.TXV"}) {
        const std::string good = lib.read(name);
        lib.write(name, "<1:1>5<9:9>77*\r\n" + good.substr(good.find('\n') + 1));
        EXPECT_TRUE(reindex(lib, {name}, out));
        EXPECT_EQ(lib.read(name), good) << name;
        EXPECT_NE(out.find("index rebuilt"), std::string::npos) << out;
    }
    EXPECT_EQ(lib.check(), "");
    // Up to date, and a missing final line end added.
    const std::string good = lib.read("JOH.TXV");
    EXPECT_TRUE(reindex(lib, {"JOH.TXV"}, out));
    EXPECT_NE(out.find("already up to date, 2 entries"), std::string::npos) << out;
    lib.write("JOH.TXV", good.substr(0, good.size() - 2));
    EXPECT_TRUE(reindex(lib, {"JOH.TXV"}, out));
    EXPECT_NE(out.find("CR LF added"), std::string::npos) << out;
    EXPECT_EQ(lib.read("JOH.TXV"), good);
    // Book entries only for page keys.
    const std::vector<std::string> body = {"1:1>a", "", "x>not a page", "01:2>leading zero",
                                           "1:a>b", " "};
    lib.write("B.TXV", "*\r\n" + lines(body));
    ASSERT_TRUE(reindex(lib, {"B.TXV"}, out));
    EXPECT_EQ(lib.read("B.TXV"), "<1:1>1<1:a>43*\r\n" + lines(body));
}

// Malformed files and ones with nothing to index stay; one does not stop the others.
TEST(Reindex, RefusedFilesAreLeftUnchanged) {
    Lib lib;
    const struct {
        const char* name;
        std::string content, message;
    } rows[] = {
        {"B.TXV", "1:1>lost index\r\n \r\n", "line 1 is not an index line"},
        {"B.TXV", "*\r\n1:1>a\n \r\n", "line 2 ends with a lone LF"},
        {"B.TXV", "*\r\n1:1>a\r \r\n", "lone CR"},
        {"B.TXV", std::string("*\r\n1:1\0>a\r\n", 11), "NUL byte at byte 7"},
        {"B.TXV", "", "empty file"},
        {"B.TXV", "<1:1>1*\r\n", "nothing to index"},
        {"C.TXV", "<1:1>1*\r\n \r\n", "nothing to index"},
        {"GENCOM.TXV", "<1>1*\r\n", "nothing to index"},
        {"adict.txd", "<a>1<\r\nno definition here\r\n", "nothing to index"},
    };
    std::string out;
    for (const auto& row : rows) {
        lib.write(row.name, row.content);
        EXPECT_FALSE(reindex(lib, {row.name}, out)) << row.message;
        EXPECT_NE(out.find(row.message), std::string::npos) << out;
        EXPECT_NE(out.find("left unchanged"), std::string::npos) << out;
        EXPECT_EQ(lib.read(row.name), row.content);
    }
    EXPECT_FALSE(reindex(lib, {"NONE.TXV"}, out));
    EXPECT_NE(out.find("cannot be read"), std::string::npos);
    lib.write("WIS.TXV", "*" + lib.read("WIS.TXV").substr(lib.read("WIS.TXV").find('\r')));
    EXPECT_FALSE(reindex(lib, {"NONE.TXV", "WIS.TXV"}, out));
    EXPECT_NE(out.find("WIS.TXV: index rebuilt"), std::string::npos) << out;
}
