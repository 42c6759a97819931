#include "ReportInput.h"

#include <utility>

#include "StandardInput.h"

namespace kvl::cli {

namespace {

constexpr std::string_view kStandardInput = "-";

}  // namespace

ReportInput::ReportInput(std::string argument) : argument_(std::move(argument)) {}

std::string ReportInput::Name() const {
  return argument_ == kStandardInput ? "standard input" : argument_;
}

core::ReportFile ReportInput::Read() {
  if (argument_ != kStandardInput) return core::ReadReportFile(argument_);
  if (!standardInput_) standardInput_ = ReadStandardInput();
  return core::ReportFileOfBytes(*standardInput_);
}

}  // namespace kvl::cli
