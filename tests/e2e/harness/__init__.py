"""The harness that runs the real game on a private display, for the end-to-end tests and benchmark.

It holds the display and its tools, the compositors, the game's process, its pictures and the
short game of a stopped clock."""
