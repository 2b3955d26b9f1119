#include "settings_layout.h"

namespace duoband {

namespace {

FieldLayout index(std::string name, Choice* (*get)(EditorModel&, Band)) {
    return {FieldKind::Index, std::move(name), get, nullptr, 0};
}

FieldLayout text(std::string name, std::string* (*get)(EditorModel&, Band)) {
    return {FieldKind::Text, std::move(name), nullptr, get, 0};
}

#define BAND_CHOICE(n) [](EditorModel& m, Band b) -> Choice* { return &m.band(b).c##n; }
#define MODEL_CHOICE(member) [](EditorModel& m, Band) -> Choice* { return &m.member; }
#define MODEL_TEXT(expr) [](EditorModel& m, Band) -> std::string* { return &m.expr; }

LineLayout bandLine(int number, Band band) {
    const std::string p = band == Band::A ? "left" : "right";
    return {number,
            band,
            {
                index(p + "1", BAND_CHOICE(1)),
                index(p + "2", BAND_CHOICE(2)),
                text(p + "3", [](EditorModel& m, Band b) { return &m.band(b).c3; }),
                index(p + "4", BAND_CHOICE(4)),
                index(p + "5", BAND_CHOICE(5)),
                index(p + "6", BAND_CHOICE(6)),
                index(p + "7", BAND_CHOICE(7)),
                index(p + "8", BAND_CHOICE(8)),
                index(p + "10", BAND_CHOICE(10)),
                index(p + "11", BAND_CHOICE(11)),
                index(p + "12", BAND_CHOICE(12)),
                index(p + "13", BAND_CHOICE(13)),
                index(p + "14", BAND_CHOICE(14)),
                text(p + "15", [](EditorModel& m, Band b) { return &m.band(b).c15; }),
                index(p + "16", BAND_CHOICE(16)),
            }};
}

LineLayout generalLine() {
    return {259,
            Band::A,
            {
                index("gn1", MODEL_CHOICE(gn1)),
                index("gn2", MODEL_CHOICE(gn2)),
                text("gn3", MODEL_TEXT(gn3)),
                index("gn4", MODEL_CHOICE(gn4)),
                index("gn5", MODEL_CHOICE(gn5)),
                index("gn6", MODEL_CHOICE(gn6)),
                index("gn7", MODEL_CHOICE(gn7)),
                index("gn8", MODEL_CHOICE(gn8)),
                index("gn9", MODEL_CHOICE(gn9)),
                index("gn10", MODEL_CHOICE(gn10)),
                index("gn11", MODEL_CHOICE(gn11)),
                index("gn12", MODEL_CHOICE(gn12)),
                index("gn13", MODEL_CHOICE(gn13)),
                index("gn14", MODEL_CHOICE(gn14)),
                index("gn15", MODEL_CHOICE(gn15)),
            }};
}

LineLayout bootLimitsLine() {
    return {kBootLimitsLine,
            Band::A,
            {
                text("kaiji1", MODEL_TEXT(kaiji1)),
                text("kaiji2", MODEL_TEXT(kaiji2)),
                text("xp1", MODEL_TEXT(xp[1])),
                text("xp2", MODEL_TEXT(xp[2])),
                text("xp3", MODEL_TEXT(xp[3])),
                text("xp4", MODEL_TEXT(xp[4])),
                index("xp5", MODEL_CHOICE(xp5)),
            }};
}

LineLayout blockFieldsLine() {
    LineLayout line{261, Band::A, {}};
    for (int n = 1; n <= 15; ++n)
        line.fields.push_back({FieldKind::Block, "k" + std::to_string(n), nullptr, nullptr, n});
    return line;
}

LineLayout dtmfLine() {
    return {262,
            Band::A,
            {
                text("sypz1", MODEL_TEXT(sypz[1])),
                text("sypz2", MODEL_TEXT(sypz[2])),
                text("sypz3", MODEL_TEXT(sypz[3])),
                text("sypz4", MODEL_TEXT(sypz[4])),
                text("sypz5", MODEL_TEXT(sypz[5])),
                text("sypz6", MODEL_TEXT(sypz[6])),
                text("sypz7", MODEL_TEXT(sypz[7])),
                text("sypz8", MODEL_TEXT(sypz[8])),
                index("sypz9", MODEL_CHOICE(sypz9)),
                text("sy1", MODEL_TEXT(sy[1])),
                text("sy2", MODEL_TEXT(sy[2])),
                text("sy3", MODEL_TEXT(sy[3])),
                text("sy4", MODEL_TEXT(sy[4])),
                text("sy5", MODEL_TEXT(sy[5])),
                text("sy6", MODEL_TEXT(sy[6])),
                text("sy7", MODEL_TEXT(sy[7])),
                text("sy8", MODEL_TEXT(sy[8])),
            }};
}

}  // namespace

const std::vector<LineLayout>& settingsLines() {
    static const std::vector<LineLayout> lines{
        bandLine(129, Band::A), bandLine(kBandBSetupLine, Band::B),
        generalLine(),          bootLimitsLine(),
        blockFieldsLine(),      dtmfLine(),
    };
    return lines;
}

}  // namespace duoband
