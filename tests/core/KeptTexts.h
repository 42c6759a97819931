#pragma once

#include <functional>
#include <set>
#include <string>

#include <core/PassTable.h>

// A view of `text` that stays valid until the test program ends, for pass fields set by tests.
inline kvl::core::PassText Kept(std::string text) {
  static std::set<std::string, std::less<>> texts;
  return *texts.insert(std::move(text)).first;
}
