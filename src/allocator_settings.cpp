// Settings of the program's memory allocator, jemalloc, which reads them from this symbol when
// the program starts (MALLOC_CONF in the environment still overrides them).
//
// Reading a large base fills hundreds of megabytes at once, and at the usual 4 KB a page every
// first touch of memory is a page fault: measured, the faults were most of a large load's time.
// So memory comes in transparent huge pages, one fault per 2 MB. One arena shared by all
// threads (each keeps its own cache of small blocks), so that the threads that read the parts
// of a file side by side do not each hold huge pages of their own; memory freed is given back
// to the system a tenth of a second later, not kept to the end of a load, so that a large base's
// peak stays near what it holds.
extern "C" {
extern const char* malloc_conf;
const char* malloc_conf = "thp:always,narenas:1,dirty_decay_ms:100";
}
