// A program that stands for an editor the host found: it does nothing, but
// its version resource describes it with a ") " in the description, as some
// editors do.
int main() { return 0; }
