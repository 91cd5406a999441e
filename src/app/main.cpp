#include "app/application.h"

int main(int argc, char** argv) {
  quorvella::RunApplication(argc, argv);
}
