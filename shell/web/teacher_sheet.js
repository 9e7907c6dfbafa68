// The teacher's sheet: trelko.html#professorat shows, instead of the lab, a
// plain page to print. The teacher gives the class word and the number of
// students; the sheet lists that many codes with the k of each string, as a
// table and as a CSV to download, and compares a student's k with the k of
// the student's code. Codes, k and the CSV come from the core (main.cpp's
// lab_class_csv, lab_code_read, lab_code_tenths), so the sheet and the
// desktop's "trelko --professorat" agree to the bit. A code outside the
// word's list never shows its k. Served over http(s), each code has its
// link, trelko.html#codi=CODE, that opens the lab on the code's string.
// The sheet also marks a class: the students' saved data files, dropped on
// it or chosen, marked by the core (class_marking_exports.cpp) as the
// desktop's "trelko --professorat WORD --corregeix" marks them.
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
      '.sheet .drop { border: 2px dashed #555; padding: 1em; margin: 0.5em 0; }' +
      '.sheet .drop.over { background: #e8f0ff; }' +
      // One printed page: the lab's full-height body would push a blank one.
      '@media print { .sheet .no-print { display: none; } html, body.sheet { height: auto; }' +
      ' body.sheet { margin: 0; } }';

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

  // A k as the teacher types it: a plain decimal, point or comma.
  function decimalK(text) {
    var t = text.trim();
    return /^[0-9]+([.,][0-9]+)?$/.test(t) ? Number(t.replace(',', '.')) : NaN;
  }

  // The codes of a word's list (the core's CSV rows after the header).
  function csvCodes(bytes) {
    return new TextDecoder().decode(bytes).replace(/^\ufeff/, '').split('\r\n').slice(1)
        .filter(function (row) { return row !== ''; })
        .map(function (row) { return row.split(';'); });
  }

  // The link that opens the lab on a code's string; none from a file.
  function codeLink(code) {
    if (!/^https?:$/.test(window.location.protocol)) return null;
    return window.location.origin + window.location.pathname + '#codi=' + code;
  }

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
      var header = new TextDecoder().decode(csvBytes).replace(/^\ufeff/, '').split('\r\n')[0]
          .split(';');
      var links = codeLink('') !== null;
      table.appendChild(element('tr', {}, [element('th', {textContent: '#'}),
        element('th', {textContent: header[0]}), element('th', {textContent: header[1]})]
        .concat(links ? [element('th', {textContent: LabPage.text('SheetLinkHeader')})] : [])));
      csvCodes(csvBytes).forEach(function (row, i) {
        var code = row[0];
        listed.push(code);
        var tenths = module.ccall('lab_code_tenths', 'number', ['string'], [code]);
        var cells = [element('td', {textContent: String(i + 1)}),
          element('td', {textContent: code}), element('td', {textContent: kText(tenths)})];
        if (links) {
          var href = codeLink(code);
          cells.push(element('td', {}, [element('a', {href: href, textContent: href})]));
        }
        table.appendChild(element('tr', {}, cells));
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
      // Without a list shown, the check takes the whole list of the word.
      var codes = listed.length > 0 ? listed : csvCodes(takeBytes(module,
          module.ccall('lab_class_csv', 'number', ['string', 'number'], [word.value, 60])))
          .map(function (row) { return row[0]; });
      if (codes.indexOf(read) < 0) {
        verdict.textContent = LabPage.text('SheetCodeNotListed', read);
        return;
      }
      var found = decimalK(studentK.value);
      if (studentK.value.trim() === '') {
        verdict.textContent = LabPage.text('SheetNoK');
        return;
      }
      if (!(found > 0)) {
        verdict.textContent = LabPage.text('SheetKNotDecimal');
        return;
      }
      var tenths = module.ccall('lab_code_tenths', 'number', ['string'], [read]);
      var k = tenths / 10;
      var percent = (found - k) / k * 100;
      var off = Math.abs(percent).toFixed(1);
      verdict.textContent = LabPage.text(percent >= 0 ? 'SheetVerdictAbove' : 'SheetVerdictBelow',
          read, kText(tenths), found, percent >= 0 ? '+' : '\u2212', off, off);
    }

    // Marking a class: the files chosen or dropped, in the order given.
    var markFiles = [];
    var markCsv = null;
    var choose = element('input', {id: 'sheet-files', type: 'file', multiple: true,
                                   accept: '.csv,text/csv'});
    var drop = element('div', {id: 'sheet-drop', className: 'drop no-print'},
                       [element('label', {}, [LabPage.text('MarkChoose'), choose]),
                        element('p', {textContent: LabPage.text('MarkDrop')})]);
    var markProblem = element('p', {id: 'sheet-mark-problem', className: 'problem'});
    markProblem.setAttribute('role', 'alert');
    var marks = element('table', {id: 'sheet-marks', hidden: true});
    var saveMarks = element('button', {id: 'sheet-marks-csv', type: 'button', hidden: true,
                                       className: 'no-print',
                                       textContent: LabPage.text('MarkDownload')});

    function markClass() {
      markProblem.textContent = '';
      marks.replaceChildren();
      marks.hidden = true;
      saveMarks.hidden = true;
      markCsv = null;
      if (markFiles.length === 0) return;
      if (word.value.trim() === '') {
        markProblem.textContent = LabPage.text('MarkNoWord');
        return;
      }
      module.ccall('lab_mark_clear', null, [], []);
      markFiles.forEach(function (file) {
        var ptr = module._malloc(Math.max(file.bytes.length, 1));
        module.HEAPU8.set(file.bytes, ptr);
        module.ccall('lab_mark_add', null, ['string', 'number', 'number'],
                     [file.name, ptr, file.bytes.length]);
        module._free(ptr);
      });
      var rows = takeText(module, module.ccall('lab_mark_table', 'number', ['string', 'number'],
                                               [word.value, 0])).split('\n')
          .filter(function (row) { return row !== ''; });
      markCsv = takeBytes(module, module.ccall('lab_mark_table', 'number',
                                               ['string', 'number'], [word.value, 1]));
      rows.forEach(function (row, r) {
        marks.appendChild(element('tr', {}, row.split('\t').map(function (cell) {
          return element(r === 0 ? 'th' : 'td', {textContent: cell});
        })));
      });
      marks.hidden = false;
      saveMarks.hidden = false;
    }

    // The files' bytes, read in the order given, then the class marked.
    function takeFiles(list) {
      var chosen = Array.prototype.slice.call(list || []);
      Promise.all(chosen.map(function (file) {
        return file.arrayBuffer().then(function (buffer) {
          return {name: file.name, bytes: new Uint8Array(buffer)};
        }, function () { return {name: file.name, bytes: new Uint8Array(0)}; });
      })).then(function (read) {
        markFiles = read;
        markClass();
      });
    }

    choose.addEventListener('change', function () { takeFiles(choose.files); });
    drop.addEventListener('dragover', function (e) {
      e.preventDefault();
      drop.classList.add('over');
    });
    drop.addEventListener('dragleave', function () { drop.classList.remove('over'); });
    drop.addEventListener('drop', function (e) {
      e.preventDefault();
      drop.classList.remove('over');
      takeFiles(e.dataTransfer && e.dataTransfer.files);
    });
    saveMarks.addEventListener('click', function () {
      if (markCsv !== null) LabPage.download(LabPage.text('MarkFileName'), markCsv);
    });
    word.addEventListener('change', markClass);

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
        element('label', {}, [LabPage.text('SheetFoundK'), studentK]), compare, verdict]),
      element('section', {}, [
        element('h2', {textContent: LabPage.text('MarkHeading')}),
        element('p', {className: 'no-print', textContent: LabPage.text('MarkIntro')}),
        drop, markProblem, marks, saveMarks])]));
    word.focus();
  }

  return {wanted: wanted, show: show};
})();
