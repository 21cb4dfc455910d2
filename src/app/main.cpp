#include "Startup.h"

int main(int argc, char** argv) {
    return runVellora(argc, argv);
}
