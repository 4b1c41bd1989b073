// Keeps the widget library non-empty while its pages are added folder by folder.
namespace vlm_ui_anchor {
int anchor() { return 0; }
}
