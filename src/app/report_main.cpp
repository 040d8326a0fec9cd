#include "batch/batch_tool.h"

int main(int argc, char** argv) {
    return spanlyx::run_batch_tool(argc, argv);
}
