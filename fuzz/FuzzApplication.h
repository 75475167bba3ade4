#pragma once

// What the fuzzers that touch widgets or images share: one QApplication on
// the offscreen platform and one TApplication, made once per process before
// the first input, with a fake platform so that nothing ever opens a dialog.
void StartFuzzApplication();

// Stops the process with a report when an input breaks a promise the code
// makes; libFuzzer then saves the input as a crash.
[[noreturn]] void FuzzFailure(const char* what);
