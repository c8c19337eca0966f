// Peak memory of the page list of a register, over generated records. Run by bench/run.
#include "list_window_memory.h"

int main(int argc, char** argv) {
    return bench::measureListWindow(argc, argv, "PageListPeakMemory", "page-list");
}
