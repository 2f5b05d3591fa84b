// Thin layer over the desktop: sound, the "open" action and the waiting event loop.
