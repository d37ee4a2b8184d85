// The indicator images by resource number, written out here on their own so
// that the tests of the generator and of the built program do not take them
// from the pin table they check: each image's label and whether it is the
// green (high) or the red (low) one.
#pragma once

#include <string_view>

struct ListedImage {
    int resource;
    std::string_view label;
    bool high;
};

// clang-format off
inline constexpr ListedImage kListedImages[44] = {
    {130, "H", true},   {131, "L", false},
    {132, "S5", true},  {133, "S7", true},  {134, "C0", true},  {135, "C1", true},
    {136, "C2", true},  {137, "C3", true},  {153, "S3", true},  {154, "S4", true},
    {156, "S6", true},
    {157, "G0", false}, {158, "G1", false}, {159, "G2", false}, {160, "G3", false},
    {161, "G4", false}, {162, "G5", false}, {163, "G6", false}, {164, "G7", false},
    {165, "S3", false}, {166, "S7", false}, {167, "S6", false}, {168, "S5", false},
    {169, "S4", false}, {170, "C3", false}, {171, "C2", false}, {172, "C1", false},
    {173, "C0", false},
    {175, "D7", true},
    {176, "D0", false}, {177, "D1", false}, {178, "D2", false}, {179, "D3", false},
    {180, "D4", false}, {181, "D5", false}, {182, "D6", false}, {183, "D7", false},
    {184, "D0", true},  {185, "D1", true},  {186, "D2", true},  {187, "D3", true},
    {188, "D4", true},  {189, "D5", true},  {190, "D6", true},
};
// clang-format on
