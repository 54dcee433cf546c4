// The one rasteriser of the device calls: the window draws with it, and the recording device's
// calls are rasterised with it to PNG, so both show the same pixels. It holds the 1440 x 900
// logical screen at a whole-screen scale; drawing outside the screen is clipped. Where a text's
// glyphs fall is placing.h's, where the pixels drawn on lie damage.h's, and where a call can put
// ink at any scale ink.h's.
//
// One thread draws: the canvases, their glyph caches, the faces (FindFace) and ink measuring
// share state without locks, so the first thread that draws is the only one to, for the whole
// run; debug builds assert it. A canvas's glyph cache may rasterise a new page's glyphs on
// helper threads while that thread waits for them (glyph_cache.h says when that is safe).
#pragma once

#include <cairo.h>
#include <pixman.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "platform/damage.h"
#include "platform/device.h"
#include "platform/draw_limits.h"
#include "platform/glyph_cache.h"
#include "platform/palette.h"
#include "platform/recording_device.h"

namespace orvelle {

class Canvas {
 public:
  // The logical screen (draw_limits.h), as the canvas's users name it.
  static constexpr int kScreenWidth = orvelle::kScreenWidth;
  static constexpr int kScreenHeight = orvelle::kScreenHeight;

  // A canvas of `scale` pixels per logical unit, white to begin with, its glyphs kept within
  // `glyphBytes`. With 0 it keeps no glyph and no dot: each is rasterised afresh wherever it is
  // drawn, the pixels the kept ones are held to.
  explicit Canvas(double scale = 1, size_t glyphBytes = GlyphCache::kDefaultBound);
  // The same, drawing into pixels that are not its own (0x00RRGGBB, rows `stride` bytes apart,
  // at least as many as the canvas has): another picture shows them. They must outlive it, or
  // be given up first with OwnPixels.
  Canvas(double scale, unsigned char* pixels, int stride,
         size_t glyphBytes = GlyphCache::kDefaultBound);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  // The device's drawing calls, with the line width and font in force. A call that draws exactly
  // what an earlier one drew, with nothing drawn over that one since, leaves the pixels as they
  // are.
  void Line(float x1, float y1, float x2, float y2, int color, int width);
  void Box(float x1, float y1, float x2, float y2, int border, int fill, int width);
  void Circle(float x, float y, float r, int color, float start, float end, bool filled, int fill,
              int width);
  void Polyline(const std::vector<Point>& points, int color, int width);
  void Polygon(const std::vector<Point>& points, int color, int fill, int width);
  void Text(float x, float y, int scaleX, int scaleY, int color, const std::string& s,
            const FontState& font);
  void Clear();
  // Draws a call of the recording device's log, as above; calls that draw nothing are ignored.
  // The calls are drawn when their pixels are first looked at (data, Pixel, WritePng,
  // TakeDamage, ...), the glyphs of all of them rasterised together first.
  void Draw(const DrawCall& call);
  // Covers the canvas with another canvas's picture, scaled to fit.
  void PaintScaled(const Canvas& other);
  // A canvas drawing into pixels not its own takes a copy of them and draws on that from now on.
  void OwnPixels();

  // Where the glyphs of a text fall on this canvas (placing.h).
  std::vector<GlyphDraw> Place(float x, float y, int scaleX, int scaleY, const std::string& s,
                               const FontState& font);
  const GlyphCache& glyphs() const {
    Settle();
    return glyphs_;
  }

  int width() const { return width_; }
  int height() const { return height_; }
  double scale() const { return scale_; }
  // Pixels: 32 bits each, 0x00RRGGBB, rows `stride` bytes apart.
  const unsigned char* data() const;
  int stride() const;
  Rgb Pixel(int x, int y) const;
  bool WritePng(const std::string& path) const;

  // The pixels drawn on since the last call (possibly unchanged ones), in a few rectangles apart
  // from one another, and forgets them.
  std::vector<PixelRect> TakeDamage();

 private:
  // A call that has been rasterised and where it drew: nothing drawn since touches those pixels.
  struct Standing {
    DrawCall call;
    PixelRect at;
  };
  static constexpr size_t kMaxStanding = 4096;

  // Draws the calls not drawn yet.
  void Settle() const;
  void DrawPending();
  void DrawNow(const DrawCall& call);
  // Each kind of call, rasterised.
  void RasterLine(const DrawCall& c);
  void RasterBox(const DrawCall& c);
  void RasterCircle(const DrawCall& c);
  void RasterPolyline(const DrawCall& c);
  void RasterPolygon(const DrawCall& c);
  void RasterText(const DrawCall& c);
  // A whole disc of `radius` pixels around (cx, cy) in pixels.
  void RasterDisc(double cx, double cy, double radius, int color);
  // Blends `color` into the pixels by the coverage, its top-left pixel at (px, py).
  void Composite(const Coverage& c, int px, int py, Rgb color);
  // The surface's pixels as pixman's picture (null where cairo has none), made again with them.
  void TakePixels();
  pixman_image_t* Solid(Rgb color);  // a picture all of `color`, kept for the next glyph
  cairo_t* Context();                // the drawing context, made afresh if the last one failed
  void SetColor(int color);
  void SetLineWidth(int width);
  double Snap(double v) const;  // a stroke's centre, so that axis-parallel edges stay sharp
  // Sets the pen for a stroke of the call's width, wider when it erases; gives it in pixels.
  double Pen(const DrawCall& c);
  // The current call inks within these bounds, in pixels: the pixels they touch are its own, and
  // damaged.
  void Touch(double x0, double y0, double x1, double y1);
  void TouchPath(double marginX, double marginY);  // the current path's box and a margin

  double scale_;
  int width_;
  int height_;
  double lineWidth_ = 1;  // in pixels, at least 1
  cairo_surface_t* surface_;
  cairo_t* cr_;
  pixman_image_t* pixels_ = nullptr;  // surface_'s pixels, that glyphs are composited on
  pixman_image_t* solid_ = nullptr;
  Rgb solidColor_;
  Damage damage_;
  PixelRect drawn_;                 // the pixels of the call being rasterised
  std::vector<Standing> standing_;  // since the last clear, oldest first
  GlyphCache glyphs_;
  std::vector<DrawCall> pending_;  // drawn, but not yet rasterised
  struct DiscKey {
    double radius;
    int subX, subY;
    bool operator==(const DiscKey&) const = default;
  };
  struct DiscHash {
    size_t operator()(const DiscKey& k) const {
      return std::hash<double>{}(k.radius) ^ static_cast<size_t>(k.subX << 16 | k.subY) * 31;
    }
  };
  // Dots and cursors: a few radii at many places. Dropped whole when full (at most a few
  // hundred KiB).
  std::unordered_map<DiscKey, Coverage, DiscHash> discs_;
  static constexpr size_t kMaxDiscs = 1024;
  static constexpr int kMaxDiscPixels = 24;
  static constexpr size_t kMaxPending = 1024;
};

}  // namespace orvelle
