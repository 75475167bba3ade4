#pragma once

// Initialises the application, creates the main window and runs the message
// loop. Whatever fails before the loop runs is reported. Returns the exit
// code, which is always 0.
int RunTalvoreth();
