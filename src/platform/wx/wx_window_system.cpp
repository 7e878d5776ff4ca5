// The wx host.
