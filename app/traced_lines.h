#pragma once

#include "model/charges.h"

#include <memory>
#include <span>
#include <vector>

struct DrawingBuffers;

// The automatic field lines' passes as a list of whole numbers, which the page hands from the
// thread that traces them to the one that draws: the number of passes (ten a charge, in slot
// order), then for each pass its number of points and their columns and rows, alternately.
// Charges travel as x, y and sign, three numbers each.
std::vector<int> charge_numbers(const ChargeSet& charges);
// Charges from such numbers; none from a list that is not a whole number of at most fourteen.
ChargeSet charges_from_numbers(std::span<const int> numbers);
// Traces field-line families and lists their passes, keeping its buffers, which are large, from
// one family to the next.
class LineTracer {
  public:
    LineTracer();
    ~LineTracer();
    LineTracer(const LineTracer&) = delete;
    LineTracer& operator=(const LineTracer&) = delete;

    // The passes of the charges' field-line family, traced and listed.
    std::vector<int> traced_lines(const ChargeSet& charges);

  private:
    std::unique_ptr<DrawingBuffers> buffers_;
};
// Reads a list into the buffers' passes of `charges` charges; false, and the passes left as they
// were, when it is not a list of that many charges' passes.
bool read_traced_lines(std::span<const int> list, int charges, DrawingBuffers& buffers);
