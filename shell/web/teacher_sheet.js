// The teacher's sheet: trelko.html#professorat shows, instead of the lab, a
// plain page to print. The teacher gives the class word and the number of
// students; the sheet lists that many codes with the k of each string, as a
// table and as a CSV to download, and compares a student's k with the k of
// the student's code. Codes, k and the CSV come from the core (main.cpp's
// lab_class_csv, lab_code_read, lab_code_tenths), so the sheet and the
// desktop's "trelko --professorat" agree to the bit. A code outside the
// word's list never shows its k.
var TeacherSheet = (function () {
  'use strict';

  var HASH = '#professorat';
  var STYLE =
      'body.sheet { background: #fff; color: #000; user-select: text; -webkit-user-select: text;' +
      ' font: 14px "Liberation Sans", Arimo, Arial, sans-serif; margin: 2em; }' +
      '.sheet h1 { font-size: 20px; } .sheet label { margin-right: 1em; }' +
      '.sheet input { font: inherit; margin-left: 0.3em; } .sheet section { margin: 1em 0; }' +
      '.sheet table { border-collapse: collapse; margin: 1em 0; }' +
      '.sheet th, .sheet td { border: 1px solid #000; padding: 2px 10px; text-align: left; }' +
      '.sheet .problem { color: #a00000; }' +
      '@media print { .sheet .no-print { display: none; } body.sheet { margin: 0; } }';

  function wanted() { return window.location.hash === HASH; }

  // A string the core made with malloc: its UTF-8 bytes, then freed.
  function takeBytes(module, ptr) {
    if (!ptr) return new Uint8Array(0);
    var heap = module.HEAPU8;
    var end = ptr;
    while (heap[end] !== 0) end++;
    var bytes = heap.slice(ptr, end);
    module._free(ptr);
    return bytes;
  }
  function takeText(module, ptr) { return new TextDecoder().decode(takeBytes(module, ptr)); }

  function element(tag, props, children) {
    var el = document.createElement(tag);
    Object.keys(props || {}).forEach(function (key) { el[key] = props[key]; });
    (children || []).forEach(function (child) {
      el.appendChild(typeof child === 'string' ? document.createTextNode(child) : child);
    });
    return el;
  }

  function kText(tenths) { return (tenths / 10).toFixed(1); }

  function show(module) {
    var desk = document.getElementById('lab-desk');
    if (desk) desk.remove();
    document.head.appendChild(element('style', {textContent: STYLE}));
    document.body.className = 'sheet';
    document.title = LabPage.text('SheetTitle');

    var csvBytes = null;
    var listed = [];  // the codes of the list shown
    var word = element('input', {id: 'sheet-word', type: 'text', autocomplete: 'off',
                                 spellcheck: false});
    var count = element('input', {id: 'sheet-count', type: 'number', min: 1, max: 60, value: 25});
    var make = element('button', {id: 'sheet-make', type: 'button', textContent: LabPage.text('SheetMakeList')});
    var problem = element('p', {id: 'sheet-problem', className: 'problem'});
    problem.setAttribute('role', 'alert');
    var table = element('table', {id: 'sheet-table', hidden: true});
    var save = element('button', {id: 'sheet-csv', type: 'button', hidden: true,
                                   className: 'no-print', textContent: LabPage.text('SheetDownload')});
    var studentCode = element('input', {id: 'sheet-code', type: 'text', autocomplete: 'off',
                                        spellcheck: false, size: 8});
    var studentK = element('input', {id: 'sheet-k', type: 'text', autocomplete: 'off', size: 8});
    var compare = element('button', {id: 'sheet-compare', type: 'button', textContent: LabPage.text('SheetCompare')});
    var verdict = element('p', {id: 'sheet-verdict'});
    verdict.setAttribute('role', 'status');

    function makeList() {
      problem.textContent = '';
      verdict.textContent = '';
      var n = Number(count.value);
      var csv = module.ccall('lab_class_csv', 'number', ['string', 'number'],
                             [word.value, Number.isInteger(n) ? n : 0]);
      csvBytes = takeBytes(module, csv);
      table.replaceChildren();
      listed = [];
      if (csvBytes.length === 0) {
        problem.textContent = LabPage.text('SheetBadList');
        table.hidden = true;
        save.hidden = true;
        return;
      }
      // The CSV's rows: a byte-order mark, the header, one code a row.
      var rows = new TextDecoder().decode(csvBytes).replace(/^\ufeff/, '').split('\r\n')
          .filter(function (row) { return row !== ''; })
          .map(function (row) { return row.split(';'); });
      table.appendChild(element('tr', {}, [element('th', {textContent: '#'}),
        element('th', {textContent: rows[0][0]}), element('th', {textContent: rows[0][1]})]));
      rows.slice(1).forEach(function (row, i) {
        var code = row[0];
        listed.push(code);
        var tenths = module.ccall('lab_code_tenths', 'number', ['string'], [code]);
        table.appendChild(element('tr', {}, [element('td', {textContent: String(i + 1)}),
          element('td', {textContent: code}), element('td', {textContent: kText(tenths)})]));
      });
      table.hidden = false;
      save.hidden = false;
    }

    function compareStudent() {
      var read = takeText(module, module.ccall('lab_code_read', 'number', ['string'],
                                               [studentCode.value]));
      if (read === '' || read.charAt(0) === '!') {
        verdict.textContent = read === '' ? LabPage.text('SheetNoCode') : read.slice(1);
        return;
      }
      if (listed.indexOf(read) < 0) {
        verdict.textContent = LabPage.text('SheetCodeNotListed', read);
        return;
      }
      var found = Number(studentK.value.trim().replace(',', '.'));
      if (studentK.value.trim() === '' || !isFinite(found) || found <= 0) {
        verdict.textContent = LabPage.text('SheetNoK');
        return;
      }
      var tenths = module.ccall('lab_code_tenths', 'number', ['string'], [read]);
      var k = tenths / 10;
      var percent = (found - k) / k * 100;
      var off = Math.abs(percent).toFixed(1);
      verdict.textContent = LabPage.text(percent >= 0 ? 'SheetVerdictAbove' : 'SheetVerdictBelow',
          read, kText(tenths), found, percent >= 0 ? '+' : '\u2212', off, off);
    }

    make.addEventListener('click', makeList);
    save.addEventListener('click', function () {
      if (csvBytes !== null) LabPage.download(LabPage.text('SheetListFileName'), csvBytes);
    });
    compare.addEventListener('click', compareStudent);
    [word, count].forEach(function (input) {
      input.addEventListener('keydown', function (e) { if (e.key === 'Enter') makeList(); });
    });
    [studentCode, studentK].forEach(function (input) {
      input.addEventListener('keydown', function (e) { if (e.key === 'Enter') compareStudent(); });
    });

    document.body.appendChild(element('main', {}, [
      element('h1', {textContent: LabPage.text('SheetHeading')}),
      element('p', {className: 'no-print', textContent: LabPage.text('SheetIntro')}),
      element('section', {className: 'no-print'}, [
        element('label', {}, [LabPage.text('SheetClassWord'), word]),
        element('label', {}, [LabPage.text('SheetStudentCount'), count]), make]),
      problem, table, save,
      element('section', {className: 'no-print'}, [
        element('h2', {textContent: LabPage.text('SheetCheckHeading')}),
        element('label', {}, [LabPage.text('SheetStudentCode'), studentCode]),
        element('label', {}, [LabPage.text('SheetFoundK'), studentK]), compare, verdict])]));
    word.focus();
  }

  return {wanted: wanted, show: show};
})();
