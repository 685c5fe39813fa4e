// Cuts and colours of the seven gems; each differs from the others in outline as well as hue.
#include "gem_kinds.h"

#include <array>
#include <numbers>

namespace glintrow::assets {

namespace {

GemKind makeRedCushion() {
    return {.cut = {.outline = fitOutline(makeSuperellipse(4, 32)),
                    .girdleCount = 16,
                    .girdleHalfHeight = 0.07,
                    .crown = {{.inset = 0.13, .height = 0.19, .count = 16, .phase = 0.5},
                              {.inset = 0.30, .height = 0.33, .count = 8, .phase = 0.25},
                              {.inset = 0.44, .height = 0.40, .count = 8, .phase = 0.25}},
                    .dome = 0.05},
            .palette = {.deep = rgb255(74, 0, 20),
                        .body = rgb255(218, 16, 44),
                        .lit = rgb255(255, 84, 84),
                        .glare = rgb255(255, 226, 220)},
            .fire = 0.07};
}

GemKind makeGreenHexagon() {
    return {.cut = {.outline = fitOutline(makeRegularPolygon(6, std::numbers::pi / 2)),
                    .girdleCount = 6,
                    .girdleHalfHeight = 0.07,
                    .crown = {{.inset = 0.13, .height = 0.18, .count = 6, .phase = 0},
                              {.inset = 0.27, .height = 0.31, .count = 6, .phase = 0},
                              {.inset = 0.40, .height = 0.40, .count = 6, .phase = 0}}},
            .palette = {.deep = rgb255(0, 56, 26),
                        .body = rgb255(22, 182, 70),
                        .lit = rgb255(100, 240, 110),
                        .glare = rgb255(226, 255, 222)},
            .fire = 0.05};
}

GemKind makeBlueRhombus() {
    return {.cut = {.outline = fitOutline(makeRegularPolygon(4, 0)),
                    .girdleCount = 8,
                    .girdleHalfHeight = 0.07,
                    .crown = {{.inset = 0.14, .height = 0.20, .count = 8, .phase = 0.5},
                              {.inset = 0.34, .height = 0.38, .count = 4, .phase = 0.0}},
                    .dome = 0.08},
            .palette = {.deep = rgb255(6, 20, 96),
                        .body = rgb255(26, 100, 240),
                        .lit = rgb255(100, 180, 255),
                        .glare = rgb255(226, 242, 255)},
            .fire = 0.07};
}

GemKind makeYellowEmeraldCut() {
    return {.cut = {.outline = fitOutline(makeChamferedRectangle(0.74, 0.26)),
                    .girdleCount = 8,
                    .girdleHalfHeight = 0.07,
                    .crown = {{.inset = 0.10, .height = 0.17, .count = 8, .phase = 0},
                              {.inset = 0.21, .height = 0.30, .count = 8, .phase = 0},
                              {.inset = 0.32, .height = 0.40, .count = 8, .phase = 0}}},
            .palette = {.deep = rgb255(96, 52, 0),
                        .body = rgb255(236, 190, 20),
                        .lit = rgb255(255, 238, 110),
                        .glare = rgb255(255, 252, 226)},
            .fire = 0.05};
}

GemKind makeWhiteBrilliant() {
    return {.cut = {.outline = fitOutline(makeRegularPolygon(48, std::numbers::pi / 2)),
                    .girdleCount = 16,
                    .girdleHalfHeight = 0.07,
                    .crown = {{.inset = 0.14, .height = 0.19, .count = 16, .phase = 0.5},
                              {.inset = 0.30, .height = 0.33, .count = 8, .phase = 0.25},
                              {.inset = 0.44, .height = 0.40, .count = 8, .phase = 0.25}},
                    .dome = 0.05},
            .palette = {.deep = rgb255(30, 40, 74),
                        .body = rgb255(150, 166, 198),
                        .lit = rgb255(230, 238, 252),
                        .glare = rgb255(255, 255, 255)},
            .fire = 0.3};
}

GemKind makePurpleTriangle() {
    return {.cut = {.outline = fitOutline(makeRegularPolygon(3, std::numbers::pi / 2)),
                    .girdleCount = 6,
                    .girdleHalfHeight = 0.07,
                    .crown = {{.inset = 0.14, .height = 0.22, .count = 3, .phase = 0.5},
                              {.inset = 0.30, .height = 0.40, .count = 3, .phase = 0.0}}},
            .palette = {.deep = rgb255(46, 4, 84),
                        .body = rgb255(152, 44, 222),
                        .lit = rgb255(206, 120, 255),
                        .glare = rgb255(244, 226, 255)},
            .fire = 0.07};
}

GemKind makeOrangeMarquise() {
    return {.cut = {.outline = fitOutline(makeMarquise(0.60, 16)),
                    .girdleCount = 16,
                    .girdleHalfHeight = 0.07,
                    .crown = {{.inset = 0.12, .height = 0.22, .count = 8, .phase = 0.5},
                              {.inset = 0.30, .height = 0.40, .count = 8, .phase = 0.0}}},
            .palette = {.deep = rgb255(112, 30, 0),
                        .body = rgb255(246, 112, 10),
                        .lit = rgb255(255, 178, 64),
                        .glare = rgb255(255, 242, 214)},
            .fire = 0.07};
}

} // namespace

// In the order of the kinds' names (GemKindNames), which say each one's colour and shape.
const GemKind& gemKind(int kind) {
    static const std::array<GemKind, GemKinds> kinds{
        makeRedCushion(),     makeGreenHexagon(),   makeBlueRhombus(),   makeYellowEmeraldCut(),
        makeWhiteBrilliant(), makePurpleTriangle(), makeOrangeMarquise()};
    return kinds.at(kind);
}

} // namespace glintrow::assets
