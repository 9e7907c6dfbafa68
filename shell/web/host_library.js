// The C++ host's calls into the page (see page_calls.h); the page itself is
// LabPage (page.js). Strings cross as UTF-8 pointers.
mergeInto(LibraryManager.library, {
  lab_page_open_window: function (level, caption, width, height, framed, background, fontPixels) {
    LabPage.openWindow(level, UTF8ToString(caption), width, height, framed !== 0, background,
                       fontPixels);
  },
  lab_page_add_control: function (level, id, kind, text, x, y, width, height, flags, pixels) {
    var rgba = null;
    if (kind === page_kind.kPicture) rgba = LabPage.rgbaOf(HEAPU32, pixels >> 2, width * height, false);
    LabPage.addControl(level, id, kind, UTF8ToString(text), x, y, width, height, flags, rgba);
  },
  lab_page_name_control: function (level, id, name) {
    LabPage.nameControl(level, id, UTF8ToString(name));
  },
  lab_page_show_window: function (level, focusId) { LabPage.showWindow(level, focusId); },
  lab_page_close_window: function (level) { LabPage.closeWindow(level); },
  lab_page_set_text: function (level, id, text) {
    return LabPage.setText(level, id, UTF8ToString(text)) ? 1 : 0;
  },
  lab_page_get_text: function (level, id) {
    var text = LabPage.getText(level, id);
    var size = lengthBytesUTF8(text) + 1;
    var ptr = _malloc(size);
    stringToUTF8(text, ptr, size);
    return ptr;
  },
  lab_page_enable: function (level, id, enable) { LabPage.enable(level, id, enable !== 0); },
  lab_page_is_enabled: function (level, id) { return LabPage.isEnabled(level, id) ? 1 : 0; },
  lab_page_focus: function (level, id) { LabPage.focus(level, id); },
  lab_page_clear_menu: function (level) { LabPage.clearMenu(level); },
  lab_page_add_menu_item: function (level, command, text) {
    LabPage.addMenuItem(level, command >>> 0, UTF8ToString(text));
  },
  lab_page_enable_menu_item: function (level, command, enable) {
    LabPage.enableMenuItem(level, command >>> 0, enable !== 0);
  },
  lab_page_set_instrument: function (level, index, id, role, x, y, width, height, name, state,
                                     checked, table, summary, announced, keys) {
    var rows = UTF8ToString(table);
    LabPage.setInstrument(level, index, {
      id: id, role: role, x: x, y: y, width: width, height: height, name: UTF8ToString(name),
      state: UTF8ToString(state), checked: checked !== 0, summary: UTF8ToString(summary),
      announced: UTF8ToString(announced), keys: UTF8ToString(keys),
      table: rows === '' ? [] : rows.split('\x1e').map(function (row) { return row.split('\x1f'); }),
    });
  },
  lab_page_keep_instruments: function (level, count) { LabPage.keepInstruments(level, count); },
  lab_page_set_caption: function (level, caption) {
    LabPage.setCaption(level, UTF8ToString(caption));
  },
  lab_page_set_clipboard: function (text, html) {
    LabPage.setClipboard(UTF8ToString(text), UTF8ToString(html));
  },
  lab_page_download: function (name, bytes, size) {
    LabPage.download(UTF8ToString(name), HEAPU8.slice(bytes, bytes + size));
  },
  lab_page_read_state: function (name) {
    var text = LabPage.readState(UTF8ToString(name));
    if (text === null) return 0;
    var size = lengthBytesUTF8(text) + 1;
    var ptr = _malloc(size);
    stringToUTF8(text, ptr, size);
    return ptr;
  },
  lab_page_write_state: function (name, text) {
    return LabPage.writeState(UTF8ToString(name), UTF8ToString(text)) ? 1 : 0;
  },
  lab_page_show_menu: function (level, x, y) { LabPage.showMenu(level, x, y); },
  lab_page_set_icon: function (argb, size) {
    LabPage.setIcon(LabPage.rgbaOf(HEAPU32, argb >> 2, size * size, true), size);
  },
  lab_page_present: function (level, image, imageWidth, imageHeight, x, y, width, height) {
    LabPage.present(level, HEAPU8.buffer, image, imageWidth, imageHeight, x, y, width, height);
  },
  lab_page_next_event: function (out) {
    var event = LabPage.nextEvent();
    if (event === null) return 0;
    for (var i = 0; i < 6; i++) HEAP32[(out >> 2) + i] = event[i] | 0;
    return 1;
  },
  lab_page_hidden: function () { return LabPage.hidden() ? 1 : 0; },
  lab_page_wait_event: function (milliseconds) {
    return Asyncify.handleSleep(function (wakeUp) { LabPage.waitEvent(milliseconds, wakeUp); });
  },
  lab_page_open_message_box: function (text, caption) {
    return LabPage.messageBox(UTF8ToString(text), UTF8ToString(caption));
  },
  lab_page_next_frame: function () {
    return Asyncify.handleSleep(function (wakeUp) { LabPage.nextFrame(wakeUp); });
  },
});
