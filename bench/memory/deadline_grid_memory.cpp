// Peak memory of the deadline whole-year grid, over generated records. Run by bench/run.
#include "list_window_memory.h"

int main(int argc, char** argv) {
    return bench::measureListWindow(argc, argv, "DeadlineYearGridPeakMemory", "deadline-year-grid");
}
