#pragma once

// Character height and baseline offset of a sub- or superscript, in whole twentieths of a point,
// so that shrinking to a subscript and growing back rounds the same way in every shell.

enum class ScriptMode { subscript = -1, normal = 0, superscript = 1 };

struct CharMetrics {
    int height; // twentieths of a point
    int offset; // twentieths of a point, positive raises the text
};

// The height and baseline offset that a character of the given height (0 or more) takes in a
// script mode: the height times 0.7 (or 1 / 0.7 back to normal), then the offset as 0.3 of the
// new height, each taken to the nearest integer with halves to the even neighbour, exactly as
// the double-precision factors 0.7, 1.4285714285714286 and 0.3 give them.
CharMetrics script_metrics(int height, ScriptMode mode);
