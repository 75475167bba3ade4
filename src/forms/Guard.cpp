#include "forms/Guard.h"

#include <exception>

namespace {

TExceptionReport Report = nullptr;

} // namespace

void SetExceptionReport(TExceptionReport report)
{
    Report = report;
}

void ReportException() noexcept
{
    if (!Report)
        std::terminate();
    Report();
}
