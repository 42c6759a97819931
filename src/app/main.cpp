#include "Main.h"

#include "ApplicationEntry.h"

int main(int argc, char** argv) {
  return RunApplication(argc, argv, &CreateFormMain);
}
