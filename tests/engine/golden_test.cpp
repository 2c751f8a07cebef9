// Imports the example collection (examples/collection) and compares every
// output file, byte for byte, with the expected tree (examples/expected/...),
// worked out from the conversion rules by examples/make_examples.py.
#include "import_run.h"

#include "fake_window.h"
#include "expected_texts.h"
#include "file_system.h"
#include "import_options.h"
#include "resource.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The examples folder in the system's own path form.
std::string ExamplesFolder()
{
    std::string folder = RUZOZIV_EXAMPLES_DIR;
#ifdef _WIN32
    folder = ToEnginePath(folder);
#endif
    return folder;
}

std::string NativeJoin(std::string folder, std::string relative)
{
    std::replace(relative.begin(), relative.end(), '/', kNativeSeparator);
    return folder + kNativeSeparator + relative;
}

// A repository-relative path ('/' separators, UTF-8 names) as the engine
// names it (backslashes, ANSI code page).
std::string EngineRelative(std::string relative)
{
    std::replace(relative.begin(), relative.end(), '/', '\\');
    return RepositoryNameToAnsi(relative);
}

struct Variant {
    const char* folder;        // below examples/expected
    ImportOptions options;     // date, size, meta, proxy, comment
    int rootAnswer;            // the answer to the root-items question
};

// Shown in test names and messages.
void PrintTo(const Variant& variant, std::ostream* out)
{
    *out << variant.folder;
}

class GoldenTest : public ::testing::TestWithParam<Variant> {
protected:
    void SetUp() override
    {
        ResetFakeWindow();
        importOptions = ImportOptions{};
    }
    void TearDown() override { importOptions = ImportOptions{}; }

    // Copies examples/collection into the temporary folder under the names
    // the program sees.
    std::string CopyCollection()
    {
        const std::string source = NativeJoin(ExamplesFolder(), "collection");
        const std::vector<std::string> files = ListNativeTree(source);
        EXPECT_GE(files.size(), 10u) << "example collection not found in " << source;
        const std::string copy = temp / "collection";
        EXPECT_TRUE(CreateFolder(copy));
        for (const std::string& file : files) {
            EXPECT_EQ(file.find('/'), std::string::npos) << "the collection is one folder";
            EXPECT_TRUE(WriteBytes(copy + "\\" + EngineRelative(file), ReadNativeFile(NativeJoin(source, file))))
                << file;
        }
        return copy;
    }

    TempFolder temp;
};

TEST_P(GoldenTest, ImportMatchesTheExpectedTree)
{
    const Variant& variant = GetParam();
    const std::string collection = CopyCollection();
    const std::string output = temp / "output";
    ASSERT_TRUE(CreateFolder(output));

    importOptions = variant.options;
    Fake().fields[IDC_TREEFILE] = collection + "\\bookmarks.wtr";
    Fake().fields[IDC_DESTFOLDER] = output;
    Fake().answers = {variant.rootAnswer};
    RunImport(nullptr);
    EXPECT_EQ(Fake().Boxes().size(), 2u) << Describe(Fake().events);   // the question and the outcome
    ASSERT_EQ(Fake().LastStatus(), kExpectStatusSuccess) << Describe(Fake().events);

    const std::string expected = NativeJoin(NativeJoin(ExamplesFolder(), "expected"), variant.folder);
    std::vector<std::string> expectedFiles;
    for (const std::string& file : ListNativeTree(expected))
        expectedFiles.push_back(EngineRelative(file));
    std::sort(expectedFiles.begin(), expectedFiles.end());
    ASSERT_FALSE(expectedFiles.empty()) << "expected tree not found in " << expected;

    // The same folders and files, nothing more ...
    EXPECT_EQ(ListTree(output), expectedFiles);
    // ... and the same bytes in every file.
    for (const std::string& file : ListNativeTree(expected)) {
        if (file.back() == '/')
            continue;
        EXPECT_EQ(ReadBytes(output + "\\" + EngineRelative(file)), ReadNativeFile(NativeJoin(expected, file)))
            << variant.folder << "/" << file;
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, GoldenTest,
                         ::testing::Values(Variant{"all-options", {1, 1, 1, 1, 1}, 1},
                                           Variant{"no-options", {0, 0, 0, 0, 0}, 1},
                                           Variant{"date-and-comment", {1, 0, 0, 0, 1}, 1},
                                           Variant{"no-options-without-root", {0, 0, 0, 0, 0}, 2}),
                         [](const ::testing::TestParamInfo<Variant>& info) {
                             std::string name = info.param.folder;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

}  // namespace
