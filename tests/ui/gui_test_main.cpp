#include "tests/ui/widget_test_main.h"

int main(int argc, char** argv) { return runWidgetTests(argc, argv, "1"); }
