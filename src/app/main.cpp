#include "Main.h"

#include <memory>

#include "ApplicationEntry.h"

int main(int /*argc*/, char** argv) {
  return RunApplication(argv[0], [] {
    auto form = std::make_unique<TFormMain>();
    FormMain = form.get();
    return form;
  });
}
