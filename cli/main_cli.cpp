#include "cli/Cli.h"

int main(int argc, char** argv) { return velmora::cli::RunCli(argc, argv); }
