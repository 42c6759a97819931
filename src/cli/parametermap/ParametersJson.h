#pragma once

#include <ostream>

#include <core/parametermap/ParameterSpace.h>

namespace kvl::cli {

// What params finds as one JSON object, UTF-8: the parameters, optimized first, each with its
// name, kind, number of values and every value; the number of passes; and the passes left out
// of the map, each with its reason and the parameter it names.
void WriteParametersJson(std::ostream& out, const core::ParameterSpace& space);

}  // namespace kvl::cli
