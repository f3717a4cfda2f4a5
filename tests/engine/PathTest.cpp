// Paths on their way to the engine: the buffers' limit and the conversion to
// the worker thread's ANSI code page. These cases are written for Windows-1252,
// the code page Wine gives the tests here.
#include <iterator>
#include <optional>

#include "EngineTest.h"
#include "Narrow.h"
#include "ThreadAnsi.h"

namespace {
// A path of exactly the given length in the test's folder.
std::wstring PathOfLength(const std::wstring& folder, size_t length, const std::wstring& suffix) {
    return folder + std::wstring(length - folder.size() - suffix.size(), L'x') + suffix;
}

TEST(ThreadAnsiTest, ConvertsExactlyOrNotAtAll) {
    ASSERT_EQ(1252u, GetACP());
    struct Case {
        const wchar_t* text;
        std::optional<std::string> narrow;
    };
    const Case cases[] = {
        {L"C:\\clips\\in.mp4", "C:\\clips\\in.mp4"},
        {L"", ""},
        {L"C:\\caf\u00E9\\\u00FCber.mov", "C:\\caf\xE9\\\xFC" "ber.mov"},
        {L"C:\\\u4E2D.mp4", std::nullopt},    // would become "?"
        {L"C:\\\u0100.mp4", std::nullopt},    // would become the look-alike "A"
        {L"C:\\\u2603.mp4", std::nullopt},
    };
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(cases[i].narrow, ToThreadAnsi(cases[i].text)) << "case " << i;
}

TEST_F(EngineTest, PathsOf1023CharactersFit) {
    std::wstring input = PathOfLength(folder.Path(), 1023, L".mp4");
    std::wstring output = PathOfLength(folder.Path(), 1023, L"_korvane7_1.mp4");
    RunJob(input, output);

    std::vector<EngineCall> calls = engine.Calls();
    ASSERT_EQ(1u, calls.size());
    EXPECT_EQ(Narrow(input), calls[0].argv[2]);
    EXPECT_EQ(Narrow(output), calls[0].argv.back());
    EXPECT_EQ(0, channel.result.load());
}

struct LongPathCase {
    size_t inputLength;
    size_t outputLength;
};
void PrintTo(const LongPathCase& c, std::ostream* out) {
    *out << "input " << c.inputLength << ", output " << c.outputLength << " characters";
}

class LongPathTest : public EngineTest, public ::testing::WithParamInterface<LongPathCase> {};

TEST_P(LongPathTest, JobIsRefusedAsAFailureWithoutAnEngineCall) {
    engine.Write({{}, 0, 0, true, false});
    channel.quality.store(1);
    std::wstring input = PathOfLength(folder.Path(), GetParam().inputLength, L".mp4");
    std::wstring output = PathOfLength(folder.Path(), GetParam().outputLength, L".mp4");
    RunJob(input, output, 2, 90);

    EXPECT_EQ(kJobRefused, channel.result.load());
    EXPECT_EQ(0u, channel.progress.load());
    EXPECT_FALSE(EngineWasCalled());
    // Nothing of the refused job reached the fields behind the buffers.
    EXPECT_EQ(1, channel.quality.load());

    // The refusal leaves the channel ready for the next job.
    RunJob(Input(), Output());
    EXPECT_EQ(0, channel.result.load());
    EXPECT_EQ(100u, channel.progress.load());
}

INSTANTIATE_TEST_SUITE_P(Lengths, LongPathTest,
                         ::testing::Values(LongPathCase{1024, 100}, LongPathCase{100, 1024},
                                           LongPathCase{5000, 5000}));

struct AnsiCase {
    const wchar_t* inputName;
    const wchar_t* outputName;
    // What the code page would have made of the output name, where a file can
    // have that name; empty otherwise.
    const wchar_t* mangledOutputName;
};
void PrintTo(const AnsiCase& c, std::ostream* out) {
    *out << ::testing::PrintToString(std::wstring(c.inputName)) << " to "
         << ::testing::PrintToString(std::wstring(c.outputName));
}

class UnrepresentablePathTest : public EngineTest,
                                public ::testing::WithParamInterface<AnsiCase> {};

TEST_P(UnrepresentablePathTest, JobFailsAndNoFileIsReadOrWritten) {
    ASSERT_EQ(1252u, GetACP());
    const AnsiCase& c = GetParam();
    if (*c.mangledOutputName) folder.WriteFile(c.mangledOutputName, "someone else's file");
    engine.Write({{50.0f}, 0, 0, true, false});
    RunJob(folder.Path() + c.inputName, folder.Path() + c.outputName);

    EXPECT_FALSE(EngineWasCalled());
    EXPECT_EQ(kJobRefused, channel.result.load());
    EXPECT_EQ(0u, channel.progress.load());
    EXPECT_FALSE(folder.Exists(c.outputName));
    if (*c.mangledOutputName) {
        EXPECT_EQ("someone else's file", folder.ReadFile(c.mangledOutputName));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Characters, UnrepresentablePathTest,
    ::testing::Values(AnsiCase{L"clip\u4E2D.mp4", L"clip_korvane7_1.mp4", L""},
                      AnsiCase{L"clip\u0100.mp4", L"clip_korvane7_1.mp4", L""},
                      AnsiCase{L"clip.mp4", L"clip\u4E2D_korvane7_1.mp4", L""},
                      AnsiCase{L"clip.mp4", L"clip\u0100_korvane7_1.mp4",
                               L"clipA_korvane7_1.mp4"}));

TEST_F(EngineTest, RepresentableCharactersReachTheEngineInTheCodePage) {
    ASSERT_EQ(1252u, GetACP());
    RunJob(folder.Path() + L"caf\u00E9.mov", folder.Path() + L"caf\u00E9_korvane7_1.mp4");

    std::vector<EngineCall> calls = engine.Calls();
    ASSERT_EQ(1u, calls.size());
    EXPECT_EQ(Narrow(folder.Path()) + "caf\xE9.mov", calls[0].argv[2]);
    EXPECT_EQ(Narrow(folder.Path()) + "caf\xE9_korvane7_1.mp4", calls[0].argv.back());
}
}  // namespace
