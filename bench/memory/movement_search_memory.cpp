// Peak memory of the movement search, every movement of the year listed, over generated records.
// Run by bench/run.
#include "list_window_memory.h"

int main(int argc, char** argv) {
    return bench::measureListWindow(argc, argv, "MovementSearchPeakMemory", "movement-search");
}
