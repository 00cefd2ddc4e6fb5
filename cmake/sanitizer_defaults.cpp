// Linked into every executable of the sanitizer build (HALVO_SANITIZE=ON).
extern "C" {

// Whole stacks for every allocation, so that a suppression can see where a block was made.
const char* __asan_default_options() { return "fast_unwind_on_malloc=0"; }

// GLib drops its first table of quarks on purpose once a process has more than 2048 of them;
// the table is made by GLib's own constructor, so only blocks made while libraries load are
// let go.
const char* __lsan_default_suppressions() { return "leak:_dl_init\n"; }

}  // extern "C"
