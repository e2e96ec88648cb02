#pragma once

namespace Orvane {
class Picture;
}

// Pictures drawn in code for the gallery, so it needs no files: a bitmap with a solid
// background, an icon with transparent corners, and a second icon for the hover look.
namespace GalleryPictures {

Orvane::Picture bitmap();
Orvane::Picture icon();
Orvane::Picture hoverIcon();

} // namespace GalleryPictures
