// The receive and transmit tones in the seven tone columns, both ways: every tone mode and cross
// mode, the placeholders of unused columns, and the tone columns an import refuses.

#include "grid/csv/CsvToneFields.h"

#include <gtest/gtest.h>

namespace tevano {
namespace {

struct ToneCase {
    const char* rx; // grid cell texts
    const char* tx;
    // Tone, rToneFreq, cToneFreq, DtcsCode, DtcsPolarity, RxDtcsCode, CrossMode
    std::array<const char*, 7> fields;
};

std::array<std::string, 7> Flat(const CsvToneFields& f) {
    return {f.tone,         f.rToneFreq,  f.cToneFreq, f.dtcsCode,
            f.dtcsPolarity, f.rxDtcsCode, f.crossMode};
}

CsvToneFields FromFlat(const std::array<const char*, 7>& f) {
    return {f[0], f[1], f[2], f[3], f[4], f[5], f[6]};
}

// Transmit first in CrossMode and in DtcsPolarity.
const ToneCase kToneCases[] = {
    {"OFF", "OFF", {"", "88.5", "88.5", "023", "NN", "023", "Tone->Tone"}},
    {"OFF", "100.0", {"Tone", "100.0", "88.5", "023", "NN", "023", "Tone->Tone"}},
    {"67.0", "67.0", {"TSQL", "88.5", "67.0", "023", "NN", "023", "Tone->Tone"}},
    {"D023N", "D023N", {"DTCS", "88.5", "88.5", "023", "NN", "023", "Tone->Tone"}},
    {"D754I", "D754I", {"DTCS", "88.5", "88.5", "754", "RR", "023", "Tone->Tone"}},
    {"D114I", "D114N", {"DTCS", "88.5", "88.5", "114", "NR", "023", "Tone->Tone"}},
    {"71.9", "254.1", {"Cross", "254.1", "71.9", "023", "NN", "023", "Tone->Tone"}},
    {"D051N", "88.5", {"Cross", "88.5", "88.5", "023", "NN", "051", "Tone->DTCS"}},
    {"D051I", "88.5", {"Cross", "88.5", "88.5", "023", "NR", "051", "Tone->DTCS"}},
    {"136.5", "D632I", {"Cross", "88.5", "136.5", "632", "RN", "023", "DTCS->Tone"}},
    {"D025N", "D731I", {"Cross", "88.5", "88.5", "731", "RN", "025", "DTCS->DTCS"}},
    {"94.8", "OFF", {"Cross", "88.5", "94.8", "023", "NN", "023", "->Tone"}},
    {"D465I", "OFF", {"Cross", "88.5", "88.5", "023", "NR", "465", "->DTCS"}},
    {"OFF", "D047N", {"Cross", "88.5", "88.5", "047", "NN", "023", "DTCS->"}},
    {"OFF", "D047I", {"Cross", "88.5", "88.5", "047", "RN", "023", "DTCS->"}},
};

TEST(CsvToneFields, EveryToneModeBothWays) {
    for (const ToneCase& c : kToneCases) {
        SCOPED_TRACE(std::string(c.rx) + " / " + c.tx);
        const CsvToneFields fields =
            ToneFieldsOf(RadioTone::FromCellText(c.rx), RadioTone::FromCellText(c.tx));
        std::array<std::string, 7> expected;
        std::copy(c.fields.begin(), c.fields.end(), expected.begin());
        EXPECT_EQ(Flat(fields), expected);

        const CsvTonesResult back = TonesOfFields(FromFlat(c.fields));
        EXPECT_TRUE(back.reasons.empty());
        EXPECT_EQ(back.rxCell, c.rx);
        EXPECT_EQ(back.txCell, c.tx);
    }
}

TEST(CsvToneFields, ImportReadsWordsWithoutRegardToCaseAndLenientPlaceholders) {
    CsvToneFields fields;
    fields.tone = " cross ";
    fields.crossMode = "dtcs->tone";
    fields.dtcsCode = "23"; // written without its leading zero by some spreadsheets
    fields.dtcsPolarity = "ri";
    fields.cToneFreq = "107.20";
    CsvTonesResult tones = TonesOfFields(fields);
    EXPECT_TRUE(tones.reasons.empty());
    EXPECT_EQ(tones.txCell, "D023I");
    EXPECT_EQ(tones.rxCell, "107.2");

    // The columns a mode does not use are not looked at.
    fields = CsvToneFields{"tsql", "nonsense", "88.5", "999", "??", "", "??"};
    tones = TonesOfFields(fields);
    EXPECT_TRUE(tones.reasons.empty());
    EXPECT_EQ(tones.rxCell, "88.5");
    EXPECT_EQ(tones.txCell, "88.5");

    // A CTCSS tone by its value, as a tone typed into the grid.
    for (const auto& [typed, cell] :
         {std::pair{"100", "100.0"}, {"88,5", "88.5"}, {" 067.00 ", "67.0"}}) {
        tones = TonesOfFields(CsvToneFields{"TSQL", "", typed});
        EXPECT_TRUE(tones.reasons.empty()) << typed;
        EXPECT_EQ(tones.rxCell, cell) << typed;
    }

    // No polarity at all counts as normal both ways.
    fields = CsvToneFields{"DTCS", "", "", "754", "", "", ""};
    tones = TonesOfFields(fields);
    EXPECT_TRUE(tones.reasons.empty());
    EXPECT_EQ(tones.rxCell, "D754N");
}

TEST(CsvToneFields, ImportRefusesWhatTheRadioDoesNotHave) {
    struct Refused {
        CsvToneFields fields;
        std::vector<CsvProblem> problems;
        const char* column; // of the first problem
    };
    using P = CsvProblem;
    const Refused cases[] = {
        {{"Tone", "88.6"}, {P::ToneNotInTable}, "rToneFreq"},
        {{"Tone", "88.55"}, {P::ToneNotInTable}, "rToneFreq"},
        {{"Tone", ""}, {P::ToneNotInTable}, "rToneFreq"},
        {{"Tone", "OFF"}, {P::ToneNotInTable}, "rToneFreq"}, // entries, but no CTCSS tones
        {{"Tone", "D023N"}, {P::ToneNotInTable}, "rToneFreq"},
        {{"TSQL", "88.5", "88,5x"}, {P::ToneNotInTable}, "cToneFreq"},
        {{"TSQL", "88.5", "1e2"}, {P::ToneNotInTable}, "cToneFreq"},
        {{"DTCS", "", "", "024"}, {P::DcsNotInTable}, "DtcsCode"},
        {{"DTCS", "", "", "0023"}, {P::DcsNotInTable}, "DtcsCode"},
        {{"DTCS", "", "", "D023"}, {P::DcsNotInTable}, "DtcsCode"},
        {{"DTCS", "", "", "023", "NX"}, {P::PolarityUnknown}, "DtcsPolarity"},
        {{"DTCS", "", "", "023", "N"}, {P::PolarityUnknown}, "DtcsPolarity"},
        {{"Cross", "", "", "023", "XX", "025", "DTCS->DTCS"}, {P::PolarityUnknown}, "DtcsPolarity"},
        {{"Cross", "", "", "023", "NN", "999", "DTCS->DTCS"}, {P::DcsNotInTable}, "RxDtcsCode"},
        {{"Cross", "69.0", "", "", "", "", "Tone->Tone"},
         {P::ToneNotInTable, P::ToneNotInTable},
         "rToneFreq"},
        {{"Cross", "", "", "", "", "", "Tone=>Tone"}, {P::CrossModeUnknown}, "CrossMode"},
        {{"Cross", "", "", "", "", "", "->"}, {P::CrossModeUnknown}, "CrossMode"},
        {{"Cross", "", "", "", "", "", "DTCS->DV"}, {P::CrossModeUnknown}, "CrossMode"},
        {{"DTCS-R"}, {P::ToneModeUnknown}, "Tone"},
    };
    for (const Refused& c : cases) {
        SCOPED_TRACE(c.fields.tone + " " + c.fields.crossMode);
        const CsvTonesResult tones = TonesOfFields(c.fields);
        std::vector<CsvProblem> problems;
        for (const CsvReason& reason : tones.reasons) {
            problems.push_back(reason.problem);
        }
        EXPECT_EQ(problems, c.problems);
        ASSERT_FALSE(tones.reasons.empty());
        EXPECT_EQ(tones.reasons[0].column, c.column);
        EXPECT_EQ(tones.rxCell, "");
        EXPECT_EQ(tones.txCell, "");
    }
}

} // namespace
} // namespace tevano
