#include "PinoutPicture.h"

#include <algorithm>
#include <string>

#include "PixelFont.h"
#include "panel/PinMap.h"

namespace {

constexpr Rgb kPaper{255, 255, 255};
constexpr Rgb kInk{32, 32, 40};
constexpr Rgb kShell{168, 178, 192};
constexpr Rgb kShellEdge{72, 80, 96};
constexpr Rgb kFace{40, 48, 64};
constexpr Rgb kPinMetal{222, 176, 56};
constexpr Rgb kPinRim{120, 88, 16};
constexpr Rgb kNumber{255, 255, 255};

struct Group {
    const char* name;
    Rgb colour;
};
constexpr Group kData{"DATA", {0, 128, 0}};
constexpr Group kStatus{"STATUS", {0, 64, 192}};
constexpr Group kControl{"CONTROL", {192, 80, 0}};
constexpr Group kGround{"GROUND", {96, 96, 96}};

const Group& GroupOf(PinRegister reg) {
    switch (reg) {
    case PinRegister::Data:
        return kData;
    case PinRegister::Status:
        return kStatus;
    case PinRegister::Control:
        return kControl;
    default:
        return kGround;
    }
}

// Geometry: the upper row holds pins 13 to 1 left to right, the lower row
// pins 25 to 14, half a pitch in, as the connector is seen from its face.
constexpr int kPitch = 24;
constexpr int kUpperLeft = kPinoutWidth / 2 - 6 * kPitch; // pin 13
constexpr int kUpperY = 146, kLowerY = 168;
constexpr int kPinRadius = 5;

Point PinCentre(int pin) {
    if (pin <= 13)
        return {kUpperLeft + (13 - pin) * kPitch, kUpperY};
    return {kUpperLeft + kPitch / 2 + (25 - pin) * kPitch, kLowerY};
}

struct PinSpan {
    int lowest, highest;
};

// The pins of one register (or ground), from the pin table.
PinSpan SpanOf(PinRegister reg) {
    PinSpan span{26, 0};
    for (const PinRow& row : kPinTable)
        if (row.reg == reg) {
            span.lowest = std::min(span.lowest, row.pin);
            span.highest = std::max(span.highest, row.pin);
        }
    return span;
}

void DrawCentred(Canvas& canvas, int centreX, int y, std::string_view text,
                 const TextStyle& style) {
    DrawText(canvas, centreX - TextWidth(text, style.scale) / 2, y, text, style);
}

void DrawConnector(Canvas& canvas) {
    const int left = kUpperLeft - 22, right = kUpperLeft + 12 * kPitch + 22;
    canvas.FillConvex({{left, 120}, {right, 120}, {right - 12, 194}, {left + 12, 194}}, kShellEdge);
    canvas.FillConvex({{left + 2, 122}, {right - 2, 122}, {right - 13, 192}, {left + 13, 192}},
                      kShell);
    canvas.FillConvex({{left + 10, 128}, {right - 10, 128}, {right - 19, 186}, {left + 19, 186}},
                      kFace);
    for (int pin = 1; pin <= 25; ++pin) {
        const Point centre = PinCentre(pin);
        canvas.FillCircle(centre, kPinRadius, kPinRim);
        canvas.FillCircle(centre, kPinRadius - 1, kPinMetal);
        const std::string number = std::to_string(pin);
        // Numbers above the upper pins and below the lower ones.
        const int y = pin <= 13 ? centre.y - kPinRadius - 10 : centre.y + kPinRadius + 3;
        DrawCentred(canvas, centre.x + 1, y, number, {kNumber});
    }
}

// A signal's caption, turned to run up from the connector (upper row) or
// down towards it (lower row), with a bar over inverted lines' names.
void DrawSignalLabel(Canvas& canvas, const PinRow& row) {
    const Point centre = PinCentre(row.pin);
    const std::string text = PinCaption(row.pin);
    const TextStyle style{GroupOf(row.reg).colour, 1, TextDirection::Up};
    const int x = centre.x - TextHeight() / 2;
    const int y = row.pin <= 13 ? 114 : 202 + TextWidth(text);
    DrawText(canvas, x, y, text, style);
    const int nameStart = static_cast<int>(row.label.size()) + 1;
    if (row.inverted)
        DrawOverbar(canvas, x, y, nameStart, static_cast<int>(text.size()) - nameStart, style);
}

// A bracket over (or under) a run of pins with a caption, joining them.
void DrawBracket(Canvas& canvas, int firstPin, int lastPin, bool above, std::string_view caption,
                 Rgb colour) {
    const int x0 = PinCentre(firstPin).x, x1 = PinCentre(lastPin).x;
    const int y = above ? 98 : 218;
    const int toward = above ? 4 : -4; // the short ends point to the pins
    canvas.Line({x0, y}, {x1, y}, colour);
    canvas.Line({x0, y}, {x0, y + toward}, colour);
    canvas.Line({x1, y}, {x1, y + toward}, colour);
    const int textY = above ? y - 12 : y + 5;
    DrawCentred(canvas, (x0 + x1) / 2, textY, caption, {colour});
}

void DrawLabels(Canvas& canvas) {
    // Data pins carry their bit's name alone; the bracket's caption names them.
    for (const PinRow& row : kPinTable)
        if (row.reg != PinRegister::Ground)
            DrawSignalLabel(canvas, row);
    const PinSpan data = SpanOf(PinRegister::Data), ground = SpanOf(PinRegister::Ground);
    DrawBracket(canvas, data.highest, data.lowest, true, "DATA D0 - D7", kData.colour);
    const std::string groundCaption = "GROUND (PINS " + std::to_string(ground.lowest) + " - " +
                                      std::to_string(ground.highest) + ")";
    DrawBracket(canvas, ground.highest, ground.lowest, false, groundCaption, kGround.colour);
    // Ground pins are one net: a line through them under the connector.
    for (int pin = ground.lowest; pin <= ground.highest; ++pin)
        canvas.Line({PinCentre(pin).x, 200}, {PinCentre(pin).x, 214}, kGround.colour);
}

void DrawLegend(Canvas& canvas) {
    const Group* groups[] = {&kData, &kStatus, &kControl, &kGround};
    constexpr int kKeyWidth = 10, kGap = 14;
    // The bar marks the lines the port inverts.
    const std::string_view inverted = "INVERTED";
    int width = TextWidth(inverted);
    for (const Group* group : groups)
        width += kKeyWidth + TextWidth(group->name) + kGap;

    int x = (kPinoutWidth - width) / 2;
    const int y = 284;
    for (const Group* group : groups) {
        canvas.FillRect(x, y, 7, 7, group->colour);
        DrawText(canvas, x + kKeyWidth, y, group->name, {kInk});
        x += kKeyWidth + TextWidth(group->name) + kGap;
    }
    DrawText(canvas, x, y, inverted, {kInk});
    DrawOverbar(canvas, x, y, 0, static_cast<int>(inverted.size()), {kInk});
    DrawCentred(canvas, kPinoutWidth / 2, 300, "CONNECTOR SEEN FROM ITS FACE", {kInk});
}

} // namespace

std::string_view SignalName(std::string_view label) {
    struct Name {
        std::string_view label, name;
    };
    static constexpr Name kNames[] = {
        {"C0", "STROBE"},    {"C1", "AUTO FEED"},   {"C2", "INITIALISE"},
        {"C3", "SELECT IN"}, {"S3", "ERROR"},       {"S4", "SELECT"},
        {"S5", "PAPER OUT"}, {"S6", "ACKNOWLEDGE"}, {"S7", "BUSY"},
    };
    for (const Name& n : kNames)
        if (n.label == label)
            return n.name;
    return {};
}

std::string PinCaption(int pin) {
    for (const PinRow& row : kPinTable)
        if (row.pin == pin && row.reg != PinRegister::Ground) {
            const std::string_view name = SignalName(row.label);
            return std::string(row.label) + (name.empty() ? "" : " " + std::string(name));
        }
    return {};
}

Canvas DrawPinoutPicture() {
    Canvas canvas(kPinoutWidth, kPinoutHeight, kPaper);
    canvas.FrameRect(0, 0, kPinoutWidth, kPinoutHeight, kShellEdge);
    DrawCentred(canvas, kPinoutWidth / 2, 6, "DB-25 PARALLEL PORT", {kInk, 2});
    DrawConnector(canvas);
    DrawLabels(canvas);
    DrawLegend(canvas);
    return canvas;
}
