#include "ReportInput.h"

#include <utility>

#include <cli/translation/Translation.h>

#include "StandardInput.h"

namespace kvl::cli {

namespace {

constexpr std::string_view kStandardInput = "-";

}  // namespace

ReportInput::ReportInput(std::string argument) : argument_(std::move(argument)) {}

std::string ReportInput::Name() const {
  // TRANSLATORS: names the report read from standard input in messages, where otherwise its
  // file's name stands.
  return argument_ == kStandardInput ? Tr("standard input") : argument_;
}

core::ReportFile ReportInput::Read() {
  if (argument_ != kStandardInput) return core::ReadReportFile(argument_);
  if (!standardInput_) standardInput_ = ReadStandardInput();
  return core::ReportFileOfBytes(*standardInput_);
}

}  // namespace kvl::cli
