// The colour button lands here.
