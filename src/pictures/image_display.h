// Where an image control draws its picture: the control's size and options,
// and the rectangle the designer gives a picture of a given size.
#pragma once

namespace vornic {

/// An image control's size and the options that decide how its picture is drawn.
struct ImageDisplay {
  int width = 0;  // of the control
  int height = 0;
  bool stretch = false;       // scale the picture to the control
  bool proportional = false;  // scale keeping the aspect ratio; alone, only to shrink
  bool center = false;        // center the picture's rectangle in the control
  bool transparent = false;   // the bottom-left pixel's colour lets the background show
};

/// A rectangle in the control, which may reach past its edges.
struct PlacedRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

/// Where the designer draws a picture of the given size in the control.
PlacedRect PictureRect(int picture_width, int picture_height, const ImageDisplay& display);

/// PictureRect at least a pixel across each way: a picture scaled to less
/// than a pixel still shows as a line.
PlacedRect ShownRect(int picture_width, int picture_height, const ImageDisplay& display);

/// The size of the bitmap that shows a picture drawn at `shown`: the whole
/// control when centred; otherwise the picture's rectangle, cut at the
/// control's edges (the control shows the bitmap at its top left and takes
/// the bitmap's size).
PlacedRect CanvasRect(const PlacedRect& shown, const ImageDisplay& display);

}  // namespace vornic
