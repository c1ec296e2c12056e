#pragma once

// How many times operator new has run in this test program so far.
long allocation_count();
