// Geometry keywords and the layout computation in pixels.
#include "vqcfgstr.h"

#include <cstring>

enum {
  G_SIZEPIX, G_XSIZEPIX, G_YSIZEPIX, G_POSPIX, G_XPOSPIX, G_YPOSPIX,
  G_MINXS, G_MINYS, G_MAXXS, G_MAXYS, G_XS, G_YS, G_X, G_Y
};

// Table order decides between overlapping names ("xs=" before "x=").
static const vqcfgstr_keyword geometry_keys[] = {
    {"sizepixel", G_SIZEPIX},       {"sizepix", G_SIZEPIX},
    {"xsizepixel", G_XSIZEPIX},     {"xsizepix", G_XSIZEPIX},
    {"ysizepixel", G_YSIZEPIX},     {"ysizepix", G_YSIZEPIX},
    {"pospixel", G_POSPIX},         {"positionpixel", G_POSPIX}, {"pospix", G_POSPIX},
    {"xpositionpixel", G_XPOSPIX},  {"xpospixel", G_XPOSPIX},    {"xpospix", G_XPOSPIX},
    {"ypospixel", G_YPOSPIX},       {"ypositionpixel", G_YPOSPIX}, {"ypospix", G_YPOSPIX},
    {"minxsize=", G_MINXS},         {"minxs=", G_MINXS},
    {"minysize=", G_MINYS},         {"minys=", G_MINYS},
    {"maxxsize=", G_MAXXS},         {"maxxs=", G_MAXXS},
    {"maxysize=", G_MAXYS},         {"maxys=", G_MAXYS},
    {"xs=", G_XS},                  {"width=", G_XS},
    {"ys=", G_YS},                  {"height=", G_YS},
    {"x=", G_X},                    {"y=", G_Y},
};

void vqgeometry_reset(vqgeometry* g) {
  memset(g, 0, sizeof *g);
  g->xsvalue = g->ysvalue = 100.0;
  g->xpixel = g->ypixel = g->widthpixel = g->heightpixel = 1;
  g->xedge = g->yedge = 1;
}

// A percent unit clears the pixel flag (and for positions the edge flag);
// a pixel unit sets it; no unit leaves it.
static void apply_unit(int unit, uint8_t* pixel, uint8_t* edge) {
  if (unit == VQUNIT_PERCENT) {
    *pixel = 0;
    if (edge) *edge = 0;
  } else if (unit == VQUNIT_PIXEL) {
    *pixel = 1;
  }
}

int vqcfgstr_geometry(char** list, int first, vqgeometry* g) {
  int32_t pw = g->parentwidth, ph = g->parentheight;
  vqgeometry_reset(g);
  g->parentwidth = pw;
  g->parentheight = ph;
  g->xsvalue = g->ysvalue = 0.0;
  g->xvalue = -1.0;  // not given yet
  bool xgiven = false;
  for (int i = first; list && list[i]; ++i) {
    char* t = list[i];
    int id = vqcfgstr_lookup(t, geometry_keys);
    if (id < 0) continue;
    double v;
    int unit;
    vqcfgstr_numvalue(t, &v, &unit);
    switch (id) {
      case G_SIZEPIX: g->widthpixel = g->heightpixel = 1; break;
      case G_XSIZEPIX: g->widthpixel = 1; break;
      case G_YSIZEPIX: g->heightpixel = 1; break;
      case G_POSPIX: g->xpixel = g->ypixel = 1; break;
      case G_XPOSPIX: g->xpixel = 1; break;
      case G_YPOSPIX: g->ypixel = 1; break;
      case G_MINXS: g->minwidth = g->minwidth0 = vqcfgstr_toint(v); break;
      case G_MINYS: g->minheight = g->minheight0 = vqcfgstr_toint(v); break;
      case G_MAXXS: g->maxwidth = vqcfgstr_toint(v); break;
      case G_MAXYS: g->maxheight = vqcfgstr_toint(v); break;
      case G_XS: g->xsvalue = v; apply_unit(unit, &g->widthpixel, nullptr); break;
      case G_YS: g->ysvalue = v; apply_unit(unit, &g->heightpixel, nullptr); break;
      case G_X: g->xvalue = v; xgiven = true; apply_unit(unit, &g->xpixel, &g->xedge); break;
      case G_Y: g->yvalue = v; apply_unit(unit, &g->ypixel, &g->yedge); break;
    }
    vqcfgstr_consume(t);
  }
  if (!xgiven) g->xvalue = 0.0;
  return xgiven ? 1 : 0;
}

static void axis(double pos, double size, uint8_t pospixel, uint8_t sizepixel, uint8_t edge,
                 int32_t minimum, int32_t maximum, int32_t parent, int32_t* outpos,
                 int32_t* outsize) {
  double p = parent;
  int32_t w;
  if (sizepixel) w = vqcfgstr_toint(size);
  else if (!edge)  // both edges in percent: round each edge on its own
    w = vqcfgstr_toint((double)vqcfgstr_toint(p * (pos + size / 2) * 0.01) -
                       vqcfgstr_toint(p * (pos - size / 2) * 0.01));  // in double: no overflow
  else w = vqcfgstr_toint(p * size * 0.01);
  if (w > parent) w = parent;
  if (minimum > w) w = minimum;
  if (maximum && maximum < w) w = maximum;
  if (pospixel) *outpos = vqcfgstr_toint(pos);
  else if (edge) *outpos = vqcfgstr_toint(p * pos * 0.01);
  else if (sizepixel) *outpos = vqcfgstr_toint(p * pos * 0.01 - w / 2);
  else *outpos = vqcfgstr_toint((double)vqcfgstr_toint(p * pos * 0.01) - w / 2);
  *outsize = w;
}

void vqgeometry_compute(vqgeometry* g) {
  axis(g->xvalue, g->xsvalue, g->xpixel, g->widthpixel, g->xedge, g->minwidth, g->maxwidth,
       g->parentwidth, &g->x, &g->width);
  axis(g->yvalue, g->ysvalue, g->ypixel, g->heightpixel, g->yedge, g->minheight, g->maxheight,
       g->parentheight, &g->y, &g->height);
}
