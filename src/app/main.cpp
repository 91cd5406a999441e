#include "app/application.h"

int main(int argc, char** argv) {
  return quorvella::RunApplication(argc, argv);
}
