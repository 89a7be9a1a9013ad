#pragma once
// The single pictures of cg/: the title sequence, the doors and the trainer.
#include "Image.h"

namespace art {

Image CircleLogo();  // circle.bmp, 200 x 200
Image Banner();      // banner.jpg, 201 x 40
Image TitleScreen(); // title.jpg, 512 x 350
Image DoorPicture(bool open);  // door.jpg / door2.jpg, 100 x 300 (three frames)
Image Trainer();     // etc01.bmp, 300 x 300

}  // namespace art
