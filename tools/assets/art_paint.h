// The painters of the picture generator. Each paints a whole canvas from
// its random source; `variant` counts the pictures of that painter (0, 1,
// ...), so that curated choices such as a fractal's view are not repeated.
#pragma once

#include "art_canvas.h"

using art_painter = void (*)(art_canvas& canvas, art_rng& rng, int variant);

// Landscapes.
void art_paint_mountains(art_canvas& canvas, art_rng& rng, int variant);
void art_paint_hills(art_canvas& canvas, art_rng& rng, int variant);
void art_paint_sea(art_canvas& canvas, art_rng& rng, int variant);
void art_paint_dunes(art_canvas& canvas, art_rng& rng, int variant);
void art_paint_aurora(art_canvas& canvas, art_rng& rng, int variant);
// Fractals.
void art_paint_mandelbrot(art_canvas& canvas, art_rng& rng, int variant);
void art_paint_julia(art_canvas& canvas, art_rng& rng, int variant);
// Patterns.
void art_paint_plasma(art_canvas& canvas, art_rng& rng, int variant);
void art_paint_stained_glass(art_canvas& canvas, art_rng& rng, int variant);
void art_paint_flow(art_canvas& canvas, art_rng& rng, int variant);
void art_paint_truchet(art_canvas& canvas, art_rng& rng, int variant);
void art_paint_mandala(art_canvas& canvas, art_rng& rng, int variant);
void art_paint_paper(art_canvas& canvas, art_rng& rng, int variant);
void art_paint_bokeh(art_canvas& canvas, art_rng& rng, int variant);

// The start picture: a friendly title scene with the game's name.
void art_paint_title(art_canvas& canvas);
// Avatar number 1 (glum) to 100 (beaming).
void art_paint_avatar(art_canvas& canvas, int number);
