#pragma once

class TForm1;

// The shown main window, made once for all window benchmarks.
TForm1& ShownMainWindow();

// Clears the board and seeds it with a soup of BenchSeeds.h, as clicks would.
void SeedSoup(TForm1& form, unsigned soup);
