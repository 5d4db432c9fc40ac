#pragma once

class QIODevice;

// The bits per pixel a picture file stores, read from its header rather than from the decoded image (which
// Qt widens to 32 bits): a JPEG's sample precision times its components (24 for colour, 8 for grey), a
// PNG's bit depth times its channels. Other formats give the depth of the image Qt would decode; 0 when
// the file is no picture. Reads from the device's current position.
int PictureBitDepth(QIODevice& device);
