// A modal dialog of whole numbers: one labelled field per value, in reading order and Tab order,
// the first with the focus and its text selected; Return (OK, the default button) gives the
// values as they stand, Escape (Cancel) nothing.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct NumberField {
    std::string label;
    int value;
};

// The values typed, each within minimum to maximum, or nothing when the dialog was cancelled.
std::optional<std::vector<int>> ask_numbers(const std::string& title, const std::vector<NumberField>& fields,
                                            int minimum, int maximum);
