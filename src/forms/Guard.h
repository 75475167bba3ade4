#pragma once

// Every call from Qt into program code (event handlers, painting, the main
// loop) runs inside Guard, which hands whatever escapes to the error report:
// Qt's documentation leaves an exception passing through its event loop
// undefined. The report belongs to the application, which installs it; the
// controls know only this.
using TExceptionReport = void (*)() noexcept;

// Installs the function that reports a caught exception; nullptr removes it.
void SetExceptionReport(TExceptionReport report);
// Hands the exception being handled to the report; without one, a failure
// has nowhere to go and ends the program.
void ReportException() noexcept;

// Runs f, reporting whatever escapes it.
template <class F> void Guard(F&& f) noexcept
{
    try {
        f();
    } catch (...) {
        ReportException();
    }
}
