#pragma once

#include "tools/artwork/Canvas.h"

// Drawing pieces shared by the backdrop and the about page.

// The brushed dark face of the panel over the whole canvas.
void PanelFace(cairo_t* cr, int width, int height);

// A recessed well: dark inside, shadow above, light edge below.
void Well(cairo_t* cr, double x, double y, double w, double h, double radius);

// A raised plate: lighter than the face, with a lit top edge.
void Plate(cairo_t* cr, double x, double y, double w, double h, double radius);

// A small screw head at (cx, cy).
void Screw(cairo_t* cr, double cx, double cy);

// Scale ticks around a knob: at each degree, from radius inner to outer.
void KnobTick(cairo_t* cr, double cx, double cy, double degrees, double inner, double outer, double width,
              double alpha);
