#include "ui/core/one_copy.h"

OneCopyStart DecideOneCopyStart(NamedObject sessionMarker, NamedObject guard) {
    if (sessionMarker == NamedObject::Existing) {
        return OneCopyStart::BringRunningCopyForward;
    }
    if (guard != NamedObject::Existing) {
        return OneCopyStart::Run;
    }
    // Without the marker the session of the running copy is unknown: try its window.
    return sessionMarker == NamedObject::Created ? OneCopyStart::RunsInAnotherSession
                                                 : OneCopyStart::BringRunningCopyForward;
}
