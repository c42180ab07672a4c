#include "app/program.h"

int main(int argc, char* argv[]) {
    return pelicast::RunProgram(argc, argv);
}
