#pragma once

// The document of the single-document window. The map lives in the map state, so the document holds no data.
class CTarnwellDoc {
public:
    bool OnNewDocument() { return true; }
};
