'use strict';
(() => {
  // Every text of a scenario reaches the page through JSON.parse, the JSON of
  // the catalogue's own script files, textContent and element properties,
  // never as markup. So do the player's own marks and the files they import.

  const ROWS_FORMAT = 'szenarienkatalog-zeilen';
  const DATA_VERSION = 2;
  const ROWS_SHOWN_MARK = 'katalog-zeilen-gezeigt';
  const SEARCH_READY_MARK = 'katalog-suche-bereit';
  const ROWS_AROUND = 3;  // rows kept in the document above and below the window
  const SEARCH_CHUNK = 400;  // scenarios whose search texts are prepared in one task
  const GOODS_SHOWN = 12;  // goods pictures in a cell; more are counted
  const COMPARED_MOST = 4;
  const FONTS_SCRIPT = 'bilder/schriften.js';
  const KEY = /^[0-9a-f]{32}$/;
  const SEARCH_SCRIPT = /^daten\/suche-[0-9a-f]{32}\.js$/;
  const GOODS_PICTURE = /^[A-Z0-9]+$/;
  const COLOUR = /^#[0-9a-f]{6}$/;
  const BASE64 = /^[A-Za-z0-9+/]*={0,2}$/;
  const collator = new Intl.Collator('de', {numeric: true});
  const $ = (id) => document.getElementById(id);

  // ---- Small DOM helpers ---------------------------------------------------

  function make(tag, className, text) {
    const element = document.createElement(tag);
    if (className) element.className = className;
    if (text !== undefined && text !== null) element.textContent = text;
    return element;
  }

  function control(element, name) {
    element.dataset.control = name;
    return element;
  }

  function counted(count, one, many) {
    return count + ' ' + (count === 1 ? one : many);
  }

  // The file name of a picture beside the page, as a relative address; a path
  // that could leave the catalogue's folder gives none.
  function relativeAddress(path) {
    const segments = String(path).split('/');
    if (segments.some((s) => s === '' || s === '.' || s === '..')) return null;
    return segments.map(encodeURIComponent).join('/');
  }

  function mapImage(picture, className, alt, emptyText) {
    const address = picture && relativeAddress(picture.path);
    if (!address) return make('div', 'ohne-bild', emptyText);
    const image = make('img', className);
    image.alt = alt;
    image.width = picture.width;
    image.height = picture.height;
    image.decoding = 'async';
    image.src = address;
    return image;
  }

  // A goods picture with its name as tooltip; named, it carries the name for
  // assistive technology too, where no text beside it says it.
  function goodsImage(picture, name, size, named) {
    if (!picture || !GOODS_PICTURE.test(picture)) {
      const stand = make('span', 'ohne-bild-ware', named ? (name || '?').slice(0, 2) : '');
      if (named) {
        stand.setAttribute('role', 'img');
        stand.setAttribute('aria-label', name || '');
      }
      stand.title = name || '';
      return stand;
    }
    const image = make('img');
    image.alt = named ? name || '' : '';
    image.title = name || '';
    image.width = image.height = size;
    image.src = 'bilder/waren/' + picture + '.png';
    return image;
  }

  // Loads one of the catalogue's script files beside the page; it hands its
  // data to one of the functions below. The element goes once it ran.
  function loadScript(address) {
    return new Promise((resolve, reject) => {
      const script = document.createElement('script');
      script.src = address;
      script.addEventListener('load', () => {
        script.remove();
        resolve();
      });
      script.addEventListener('error', () => {
        script.remove();
        reject(new Error(address));
      });
      document.head.append(script);
    });
  }

  // One line of the page's own news: an address that names nothing, the
  // marks' export and import, a mark the browser did not keep (said in the
  // detail view when it is open).
  let addressNotice = false;

  function say(text) {
    $(dialog.open ? 'detail-meldung' : 'meldung').textContent = text;
    addressNotice = false;
  }

  // ---- The rows ------------------------------------------------------------

  function readRows() {
    try {
      const table = JSON.parse($('katalog-zeilen').textContent);
      if (table && table.format === ROWS_FORMAT && table.version === DATA_VERSION &&
          Array.isArray(table.scenarios)) return table;
    } catch (error) {
      // Reported below like data of another version.
    }
    return null;
  }

  const table = readRows();
  const captions = (table && table.captions) || {};
  const goodsPictures = new Map(((table && table.goods) || []).map((g) => [g.name, g.picture]));

  function labelsByName(labels) {
    const byName = {};
    for (const label of labels || []) byName[label.name] = label;
    return byName;
  }

  function labelText(row, name) {
    const label = row.labels[name];
    return label ? label.text : null;
  }

  // The caption of a label as the window shows it, from the first scenario
  // that has the label.
  function labelCaption(name) {
    const row = rows.find((r) => r.labels[name]);
    return row ? (row.labels[name].caption || '').trim() : '';
  }

  // ---- The player's own marks ----------------------------------------------

  // "gespielt", "Favorit" and a short note per scenario, which the browser
  // keeps for the page under the scenario's id: katalog never writes them, so
  // they outlast every rebuild. A browser may refuse a page opened from disk
  // any storage; the page then goes on without marks.
  const MARK_PREFIX = 'szenarienkatalog-marke:';
  const MARKS_FORMAT = 'szenarienkatalog-marken';
  const MARKS_VERSION = 1;
  const MARKS_FILE = 'szenarienkatalog-marken.json';
  const NOTE_LENGTH = 200;  // characters
  const IMPORT_BYTES = 4 * 1024 * 1024;  // the largest marks file read
  const NO_MARK = Object.freeze({played: false, favourite: false, note: ''});

  function openStorage() {
    try {
      const storage = window.localStorage;
      const probe = 'szenarienkatalog-probe';
      storage.setItem(probe, probe);
      storage.removeItem(probe);
      return storage;
    } catch (error) {
      return null;
    }
  }

  const storage = openStorage();
  const marks = new Map();  // id: {played, favourite, note}, only marks that say something

  function cleanNote(note) {
    return Array.from(String(note).replace(/[\u0000-\u001f\u007f]/g, ' '))
        .slice(0, NOTE_LENGTH).join('');
  }

  // A mark as kept or imported; null for anything but an object.
  function markFrom(value) {
    if (!value || typeof value !== 'object') return null;
    return {played: value.played === true, favourite: value.favourite === true,
            note: typeof value.note === 'string' ? cleanNote(value.note) : ''};
  }

  function isEmpty(mark) {
    return !mark.played && !mark.favourite && !mark.note.trim();
  }

  function markOf(id) {
    return marks.get(id) || NO_MARK;
  }

  function noteOf(row) {
    return markOf(row.s.id).note.trim();
  }

  // A kept mark as the browser hands it over (null when it is gone).
  function takeStoredMark(key, text) {
    const id = key.slice(MARK_PREFIX.length);
    let mark = null;
    try {
      mark = markFrom(JSON.parse(text));
    } catch (error) {
      // Unreadable: no mark.
    }
    if (mark && !isEmpty(mark)) {
      marks.set(id, mark);
    } else {
      marks.delete(id);
    }
    return id;
  }

  function readStoredMarks() {
    for (let i = 0; i < storage.length; i += 1) {
      const key = storage.key(i);
      if (key && key.startsWith(MARK_PREFIX)) takeStoredMark(key, storage.getItem(key));
    }
  }

  // False when the browser did not keep it (its storage for the page full).
  function storeMark(id, mark) {
    if (isEmpty(mark)) {
      marks.delete(id);
    } else {
      marks.set(id, mark);
    }
    try {
      if (isEmpty(mark)) {
        storage.removeItem(MARK_PREFIX + id);
      } else {
        storage.setItem(MARK_PREFIX + id, JSON.stringify(mark));
      }
      return true;
    } catch (error) {
      say('Der Browser hat die Markierung nicht aufbewahrt: ' +
          'sein Speicher für diese Seite ist voll.');
      return false;
    }
  }

  let marksPending = false;  // marks changed while a view was open: the list follows on closing

  function changeMark(row, change) {
    storeMark(row.s.id, Object.assign({}, markOf(row.s.id), change));
    markShown(row);
    marksChanged();
  }

  function markShown(row) {
    row.folded = undefined;  // the note is searched
    showMarks(row);
  }

  function marksChanged() {
    searchGeneration += 1;
    if (dialog.open || comparison.open) {
      marksPending = true;
    } else {
      relist();
    }
  }

  // The row's toggles and note, and the detail's fields when it shows the row.
  function showMarks(row) {
    const mark = markOf(row.s.id);
    if (row.element) {
      for (const toggle of row.element.querySelectorAll('.schalter')) {
        toggle.setAttribute('aria-pressed', String(mark[toggle.dataset.field]));
      }
      const note = row.element.querySelector('.notiz');
      if (note) note.textContent = note.title = mark.note.trim();
    }
    if (row === detailRow) {
      $('detail-favorit').checked = mark.favourite;
      $('detail-gespielt').checked = mark.played;
      if (document.activeElement !== $('detail-notiz')) $('detail-notiz').value = mark.note;
    }
  }

  // Marks that another window of the page changed.
  function storageChanged(event) {
    if (event.storageArea !== storage) return;
    if (event.key === null) {
      marks.clear();
      readStoredMarks();
      for (const row of rows) markShown(row);
    } else if (event.key.startsWith(MARK_PREFIX)) {
      const row = byId.get(takeStoredMark(event.key, event.newValue));
      if (row) markShown(row);
    } else {
      return;
    }
    marksChanged();
  }

  // The marks file: one mark a line, by id, so that it reads and compares
  // well as text.
  function exportMarks() {
    const ids = [...marks.keys()].sort();
    if (!ids.length) {
      say('Es gibt noch keine Markierungen zum Exportieren.');
      return;
    }
    const lines = ids.map((id) => {
      const mark = marks.get(id);
      return JSON.stringify({id, played: mark.played, favourite: mark.favourite, note: mark.note});
    });
    const text = '{"format":"' + MARKS_FORMAT + '","version":' + MARKS_VERSION + ',"marks":[\n' +
        lines.join(',\n') + '\n]}\n';
    const address = URL.createObjectURL(new Blob([text], {type: 'application/json'}));
    const link = make('a');
    link.href = address;
    link.download = MARKS_FILE;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(address), 60000);
    say('Markierungen von ' + counted(ids.length, 'Szenario', 'Szenarien') + ' exportiert: ' +
        MARKS_FILE);
  }

  // A file's marks take the place of the marks of the same scenarios; the
  // others stay.
  async function importMarks(file) {
    if (file.size > IMPORT_BYTES) {
      say('„' + file.name + '“ ist zu groß für eine Datei mit Markierungen.');
      return;
    }
    let data = null;
    try {
      data = JSON.parse(await file.text());
    } catch (error) {
      // Told below.
    }
    if (!data || data.format !== MARKS_FORMAT || data.version !== MARKS_VERSION ||
        !Array.isArray(data.marks)) {
      say('„' + file.name + '“ ist keine Datei mit Markierungen des Szenarienkatalogs.');
      return;
    }
    let taken = 0;
    let unreadable = 0;
    let full = false;
    for (const entry of data.marks) {
      const mark = entry && typeof entry.id === 'string' ? markFrom(entry) : null;
      if (!mark) {
        unreadable += 1;
        continue;
      }
      full = !storeMark(entry.id, mark);
      const row = byId.get(entry.id);
      if (row) markShown(row);
      if (full) break;
      taken += 1;
    }
    marksChanged();
    if (full) {
      say('Der Browser hat nur die Markierungen von ' + counted(taken, 'Szenario', 'Szenarien') +
          ' aufbewahrt: sein Speicher für diese Seite ist voll.');
      return;
    }
    const skipped = unreadable ? ' ' + counted(unreadable, 'Eintrag', 'Einträge') +
        ' ohne lesbare Markierung.' : '';
    say('Markierungen von ' + counted(taken, 'Szenario', 'Szenarien') + ' importiert.' + skipped);
  }

  // ---- Search --------------------------------------------------------------

  // Two spellings of every text: umlauts folded to their base letter
  // ("Olivenöl" gives "olivenol") and umlauts written out ("olivenoel"), both
  // in lower case with ß as ss and other accents dropped. A word of the query
  // matches a text when its folded form occurs in the folded text or its
  // written-out form in the written-out text: "ol" and "Öl" find "Olivenöl",
  // "oel" finds "Olivenöl" and "Oelkrug" but not "Oliven".
  const MARKS_OF_LETTERS = /[\u0300-\u036f]/g;

  function folded(text) {
    return text.toLowerCase().replace(/ß/g, 'ss').normalize('NFD').replace(MARKS_OF_LETTERS, '');
  }

  function writtenOut(text) {
    return text.toLowerCase().normalize('NFC').replace(/ß/g, 'ss').replace(/ä/g, 'ae')
        .replace(/ö/g, 'oe').replace(/ü/g, 'ue').normalize('NFD').replace(MARKS_OF_LETTERS, '');
  }

  const RATINGS = ['CultureInfo', 'SecurityInfo', 'ProsperityInfo', 'FavorInfo', 'PopulationInfo'];

  // The searched texts: names, damage, goals, goods and the player's note from
  // the row, the cities, the requested goods and the story from the search
  // file once it is there. One text a line, so that no word of a query
  // reaches into the next.
  function rowSearchText(row) {
    const s = row.s;
    const parts = [s.id, s.file];
    if (s.damage) parts.push(s.damage.text);
    for (const name of ['ZielInfo', ...RATINGS]) {
      const text = labelText(row, name);
      if (text !== null) parts.push(text);
    }
    parts.push(...(s.goodsSold || []), ...(s.goodsBought || []), noteOf(row));
    if (row.extra) parts.push(row.extra);
    return parts.join('\n');
  }

  function queryWords(query) {
    return query.trim().split(/\s+/).filter(Boolean)
        .map((word) => ({folded: folded(word), writtenOut: writtenOut(word)}));
  }

  function prepareSearchText(row) {
    const text = rowSearchText(row);
    row.folded = folded(text);
    row.writtenOut = writtenOut(text);
  }

  function matchesQuery(row, words) {
    if (row.folded === undefined && words.length) prepareSearchText(row);
    return words.every((w) => row.folded.includes(w.folded) ||
                              row.writtenOut.includes(w.writtenOut));
  }

  // A query whose every word holds the word of the last query at its place
  // matches only rows that the last one matched: typing on searches those.
  function narrows(words, last) {
    return last.length <= words.length && last.every((w, i) =>
      words[i].folded.includes(w.folded) && words[i].writtenOut.includes(w.writtenOut));
  }

  let searchGeneration = 0;  // counts the changes of the searched texts
  let lastSearch = null;  // {words, generation, matched: Uint8Array}

  function searchMatches(words) {
    const reuse = lastSearch && lastSearch.generation === searchGeneration &&
        narrows(words, lastSearch.words);
    if (reuse && words.length === lastSearch.words.length &&
        words.every((w, i) => w.folded === lastSearch.words[i].folded &&
                              w.writtenOut === lastSearch.words[i].writtenOut)) {
      return lastSearch.matched;
    }
    const matched = new Uint8Array(rows.length);
    for (const row of rows) {
      if (reuse && !lastSearch.matched[row.index]) continue;
      if (matchesQuery(row, words)) matched[row.index] = 1;
    }
    lastSearch = {words, generation: searchGeneration, matched};
    return matched;
  }

  // The search file: per scenario, in the order of the rows, the texts that
  // only search needs. Prepared a part at a time, so that typing goes on.
  window.katalogSuche = (texts) => {
    if (!Array.isArray(texts) || texts.length !== rows.length) return;
    let next = 0;
    const prepareSome = () => {
      for (const end = Math.min(rows.length, next + SEARCH_CHUNK); next < end; next += 1) {
        const row = rows[next];
        const extra = Array.isArray(texts[next]) ? texts[next].filter((t) => typeof t === 'string') : [];
        row.extra = extra.join('\n');
        prepareSearchText(row);
      }
      if (next < rows.length) {
        setTimeout(prepareSome, 0);
        return;
      }
      searchGeneration += 1;
      applyFilters();
      performance.mark(SEARCH_READY_MARK);
      document.documentElement.dataset.suche = 'bereit';
    };
    prepareSome();
  };

  // ---- Columns -------------------------------------------------------------

  // Headings the window has come from its captions; the others are the page's.
  // sort: how the values compare ("text" in German order, "count" by value);
  // data: a column of the scenario's data, which a damaged row leaves to its
  // message; mark: one of the player's own, there only when the browser keeps
  // them; text: the cell as plain text, for print and the forum, where it is
  // not the value itself.
  const columns = [
    {key: 'name', width: '220px', title: () => 'Szenario', value: (r) => r.s.id, sort: 'text',
     cell: scenarioCell},
    {key: 'favorit', width: '64px', title: () => 'Favorit', mark: true, sort: 'count', first: -1,
     value: (r) => Number(markOf(r.s.id).favourite),
     text: (r) => (markOf(r.s.id).favourite ? '★' : ''), cell: (r) => toggleCell(r, 'favourite')},
    {key: 'gespielt', width: '68px', title: () => 'gespielt', mark: true, sort: 'count', first: -1,
     value: (r) => Number(markOf(r.s.id).played),
     text: (r) => (markOf(r.s.id).played ? '✓' : ''), cell: (r) => toggleCell(r, 'played')},
    {key: 'art', width: '104px', title: () => 'Art', data: true, sort: 'text',
     value: (r) => labelText(r, 'ScnStatusInfo')},
    {key: 'karte', width: '94px', title: () => captions.TabKarte, data: true, sort: 'count',
     value: (r) => r.s.mapSide, text: (r) => labelText(r, 'MapSizeInfo')},
    {key: 'region', width: '100px', title: () => 'Region', data: true, sort: 'text',
     value: (r) => labelText(r, 'MapLocationInfo')},
    {key: 'ziele', width: '228px', title: () => captions.TabZiele, data: true, sort: 'text',
     value: (r) => labelText(r, 'ZielInfo'), text: goalsText, cell: goalsCell},
    {key: 'staedte', width: '74px', title: () => 'Handels\u00adstädte', data: true, sort: 'count',
     value: (r) => r.s.tradeCityCount},
    {key: 'verkauft', width: '148px', title: () => captions.CitySellsLabel, data: true,
     hint: 'Waren, die die Handelsstädte verkaufen', sort: 'text',
     value: (r) => r.s.goodsSold && r.s.goodsSold.join(', '),
     cell: (r) => goodsCell(r.s.goodsSold)},
    {key: 'kauft', width: '124px', title: () => captions.CityBuyLabel, data: true,
     hint: 'Waren, die die Handelsstädte kaufen', sort: 'text',
     value: (r) => r.s.goodsBought && r.s.goodsBought.join(', '),
     cell: (r) => goodsCell(r.s.goodsBought)},
    {key: 'forderungen', width: '96px', title: () => captions.TabForderungen, data: true,
     sort: 'count', value: (r) => r.s.requestCount},
    {key: 'invasionen', width: '86px', title: () => labelCaption('MilitaryInvasionsInfo'),
     data: true, sort: 'count', value: (r) => r.s.invasionCount},
    {key: 'militaer', width: '146px', title: () => labelCaption('MilitaryRequestsInfo'),
     data: true, sort: 'count', value: (r) => r.s.militaryRequestCount},
    {key: 'beschreibung', width: 'minmax(150px, 1fr)', title: () => 'Beschreibung', data: true,
     sort: 'text', value: (r) => r.s.description, cell: descriptionCell},
    {key: 'notiz', width: '124px', title: () => 'Notiz', mark: true, sort: 'text',
     value: (r) => noteOf(r) || null, cell: noteCell},
  ].filter((column) => storage || !column.mark);
  const firstData = columns.findIndex((column) => column.data);
  const dataColumns = columns.filter((column) => column.data).length;

  function plainTitle(column) {
    return column.title().replace(/\u00ad/g, '');
  }

  function columnText(column, row) {
    if (column.text) return column.text(row);
    const value = column.value(row);
    return value === null || value === undefined ? null : String(value);
  }

  // Counts stand right-aligned; the map size sorts by its side but reads as text.
  function isCount(column) {
    return column.sort === 'count' && !column.text;
  }

  function cell(className, text) {
    const element = make('div', className, text);
    element.setAttribute('role', 'cell');
    return element;
  }

  function scenarioCell(row) {
    const s = row.s;
    const cellBox = cell('szenario');
    const link = make('a');
    link.href = addressOf(s);
    const texts = make('span', 'texte');
    texts.append(make('span', 'name', s.id), make('span', 'datei', s.file));
    if (s.damage) texts.append(make('span', 'marke', 'beschädigt'));
    link.append(mapImage(s.thumbnail, 'vorschau', '', ''), texts);
    cellBox.append(link);
    return cellBox;
  }

  function ratingsText(row) {
    return RATINGS.map((name) => row.labels[name])
        .filter((label) => label && label.text !== '-*-')
        .map((label) => label.caption + ' ' + label.text).join(' · ');
  }

  function goalsText(row) {
    const goal = labelText(row, 'ZielInfo');
    if (goal === null) return null;
    const ratings = ratingsText(row);
    return ratings ? goal + ' – ' + ratings : goal;
  }

  function goalsCell(row) {
    const cellBox = cell('', labelText(row, 'ZielInfo'));
    const ratings = ratingsText(row);
    if (ratings) cellBox.append(make('span', 'wertungen', ratings));
    return cellBox;
  }

  // The goods as a wrapping row of their pictures; the first slot of the
  // catalogue that names a good gives its picture.
  function goodsCell(names) {
    const cellBox = cell();
    const list = make('ul', 'waren');
    const more = names.length > GOODS_SHOWN ? names.slice(GOODS_SHOWN - 1) : [];
    for (const name of names.slice(0, names.length - more.length)) {
      const item = make('li');
      item.append(goodsImage(goodsPictures.get(name), name, 22, true));
      list.append(item);
    }
    if (more.length) {
      const item = make('li', 'weitere', '+' + more.length);
      item.title = more.join(', ');
      list.append(item);
    }
    cellBox.append(list);
    return cellBox;
  }

  function descriptionCell(row) {
    const cellBox = cell('beschreibung', row.s.description);
    cellBox.title = row.s.description || '';
    return cellBox;
  }

  const TOGGLES = {favourite: ['Favorit', '★'], played: ['gespielt', '✓']};

  function toggleCell(row, field) {
    const [name, symbol] = TOGGLES[field];
    const cellBox = cell();
    const toggle = make('button', 'schalter', symbol);
    toggle.type = 'button';
    toggle.title = name;
    toggle.dataset.field = field;
    toggle.setAttribute('aria-label', name);
    toggle.addEventListener('click', () => changeMark(row, {[field]: !markOf(row.s.id)[field]}));
    cellBox.append(toggle);
    return cellBox;
  }

  function noteCell() {
    return cell('notiz');
  }

  function compareCell(row) {
    const cellBox = cell('wahl');
    const tick = make('input');
    tick.type = 'checkbox';
    tick.title = 'zum Vergleich wählen';
    tick.setAttribute('aria-label', 'vergleichen');
    tick.checked = chosen.includes(row);
    tick.addEventListener('change', () => choose(row, tick));
    cellBox.append(tick);
    return cellBox;
  }

  function buildHeader() {
    const headerRow = $('spalten');
    document.documentElement.style.setProperty(
        '--spalten', '34px ' + columns.map((column) => column.width).join(' '));
    const choice = make('div', 'wahl');
    choice.setAttribute('role', 'columnheader');
    choice.append(make('span', 'unsichtbar', 'Vergleich'));
    headerRow.append(choice);
    columns.forEach((column, index) => {
      const header = make('div', 'spalte-' + column.key + (isCount(column) ? ' zahl' : ''));
      header.setAttribute('role', 'columnheader');
      const button = make('button', '', column.title());
      button.type = 'button';
      if (column.hint) button.title = column.hint;
      button.addEventListener('click', () => sortBy(index));
      header.append(button);
      headerRow.append(header);
      column.header = header;
    });
  }

  function buildRow(row) {
    const s = row.s;
    const element = make('div', s.damage ? 'reihe beschaedigt' : 'reihe');
    element.setAttribute('role', 'row');
    element.dataset.id = s.id;
    element.append(compareCell(row));
    columns.forEach((column, index) => {
      if (s.damage && column.data) {
        if (index !== firstData) return;
        const cellBox = cell('schaden');
        cellBox.style.gridColumn = firstData + 2 + ' / span ' + dataColumns;
        cellBox.append(make('strong', '', s.damage.title + ': '), s.damage.text);
        element.append(cellBox);
        return;
      }
      const cellBox = column.cell ? column.cell(row) : cell('', columnText(column, row));
      cellBox.classList.add('spalte-' + column.key);
      if (isCount(column)) cellBox.classList.add('zahl');
      element.append(cellBox);
    });
    element.addEventListener('click', (event) => {
      if (event.target.closest('a, button, input, label')) return;  // each does its own
      openDetail(row);
    });
    row.element = element;
    showMarks(row);
    return element;
  }

  // ---- The list: only the rows in view stand in the document ----------------

  const list = $('zeilen');
  let rowHeight = 60;  // pixels, from the style: every row of the table is as high
  let order = [];  // every row, in the chosen order
  let shown = [];  // the rows that pass search and filters, in that order

  function readRowHeight() {
    rowHeight = parseFloat(getComputedStyle(list).getPropertyValue('--zeilenhoehe')) || 60;
    list.style.height = shown.length * rowHeight + 'px';
  }

  function elementOf(row) {
    return row.element || buildRow(row);
  }

  // Puts the rows around the window in place, and takes the others out. A row
  // that stays keeps its element (and its focus).
  function renderWindow() {
    const top = list.getBoundingClientRect().top;
    const first = Math.max(0, Math.floor(-top / rowHeight) - ROWS_AROUND);
    const end = Math.min(shown.length, Math.ceil((innerHeight - top) / rowHeight) + ROWS_AROUND);
    const wanted = [];
    for (let position = first; position < end; position += 1) {
      const element = elementOf(shown[position]);
      element.style.top = position * rowHeight + 'px';
      element.setAttribute('aria-rowindex', String(position + 2));
      wanted.push(element);
    }
    const keep = new Set(wanted);
    for (const child of [...list.children]) if (!keep.has(child)) child.remove();
    let cursor = list.firstElementChild;
    for (const element of wanted) {
      if (element === cursor) {
        cursor = cursor.nextElementSibling;
      } else {
        list.insertBefore(element, cursor);
      }
    }
  }

  let renderPending = false;

  function renderSoon() {
    if (renderPending) return;
    renderPending = true;
    requestAnimationFrame(() => {
      renderPending = false;
      renderWindow();
    });
  }

  function resized() {
    readRowHeight();
    renderSoon();
  }

  function showRows(passing) {
    shown = passing;
    list.style.height = shown.length * rowHeight + 'px';
    $('tabelle').setAttribute('aria-rowcount', String(shown.length + 1));
    renderWindow();
  }

  // Brings the row into view below the headings and gives its link the focus.
  function focusRow(row) {
    const position = shown.indexOf(row);
    if (position < 0) return;
    const top = list.getBoundingClientRect().top + position * rowHeight;
    const headings = $('spalten-gruppe').getBoundingClientRect().bottom;
    if (top < headings || top + rowHeight > innerHeight) {
      scrollBy(0, top - Math.max(headings, (innerHeight - rowHeight) / 2));
    }
    renderWindow();
    elementOf(row).querySelector('a').focus({preventScroll: true});
  }

  // ---- Sorting -------------------------------------------------------------

  // Texts in German order (numbers inside them by value), counts by value. A
  // row without a value (a damaged scenario, a map of unknown size) comes
  // last in both directions; equal values keep the order of the names. The
  // player's marks sort the marked rows first at the first press.
  let sortColumn = 0;
  let sortDirection = 1;

  function compareRows(a, b) {
    const column = columns[sortColumn];
    const x = column.value(a);
    const y = column.value(b);
    if (x == null || y == null) {
      if (x != null) return -1;
      if (y != null) return 1;
    } else {
      const byValue = column.sort === 'text' ? collator.compare(x, y) : x - y;
      if (byValue) return sortDirection * byValue;
    }
    return collator.compare(a.s.id, b.s.id) || a.index - b.index;
  }

  function sortBy(index) {
    sortDirection = index === sortColumn ? -sortDirection : columns[index].first || 1;
    sortColumn = index;
    relist();
  }

  function applySort() {
    order = [...rows].sort(compareRows);
    columns.forEach((column, index) => {
      if (index === sortColumn) {
        column.header.setAttribute('aria-sort', sortDirection > 0 ? 'ascending' : 'descending');
      } else {
        column.header.removeAttribute('aria-sort');
      }
    });
  }

  function relist() {
    applySort();
    applyFilters();
  }

  // ---- Filters -------------------------------------------------------------

  const filters = [
    {element: $('filter-art'), value: (r) => labelText(r, 'ScnStatusInfo')},
    {element: $('filter-region'), value: (r) => labelText(r, 'MapLocationInfo')},
    {element: $('filter-karte'), value: (r) => labelText(r, 'MapSizeInfo')},
  ];
  // "ja": a count above 0, "nein": 0; a damaged row has no count but its marks.
  const yesNoFilters = [
    {element: $('filter-invasionen'), count: (r) => r.s.invasionCount},
    {element: $('filter-militaer'), count: (r) => r.s.militaryRequestCount},
    ...(storage ? [
      {element: $('filter-favorit'), count: (r) => Number(markOf(r.s.id).favourite)},
      {element: $('filter-gespielt'), count: (r) => Number(markOf(r.s.id).played)},
      {element: $('filter-notiz'), count: (r) => noteOf(r).length},
    ] : []),
  ];
  // The goods filter's three groups: each ticked good must be on the row's side.
  const goodsSides = [
    {field: 'goodsSold', caption: () => captions.CitySellsLabel},
    {field: 'goodsBought', caption: () => captions.CityBuyLabel},
    {field: 'goodsProducible', caption: () => 'produzierbar'},
  ];

  function fillChoices(select, values) {
    for (const value of values) {
      const option = make('option', '', value);
      option.value = value;
      select.append(option);
    }
  }

  function distinct(values) {
    return [...new Set(values.filter((v) => v != null))];
  }

  function buildFilters() {
    const [kind, region, map] = filters;
    fillChoices(kind.element, distinct(rows.map(kind.value)).sort(collator.compare));
    fillChoices(region.element, distinct(rows.map(region.value)).sort(collator.compare));
    // Map sizes from small to large; one without a side last.
    const sides = new Map();
    for (const row of rows) {
      const size = map.value(row);
      if (size != null && !sides.has(size)) sides.set(size, row.s.mapSide);
    }
    fillChoices(map.element, [...sides.keys()].sort((a, b) => {
      const x = sides.get(a);
      const y = sides.get(b);
      if (x == null || y == null) return (x == null) - (y == null) || collator.compare(a, b);
      return x - y;
    }));

    const goodsList = $('waren-liste');
    goodsSides.forEach((side, index) => {
      const names = new Set();
      for (const row of rows) for (const name of row.s[side.field] || []) names.add(name);
      const group = make('fieldset');
      group.append(make('legend', '', side.caption()));
      for (const name of [...names].sort(collator.compare)) {
        const label = make('label');
        const box = make('input');
        box.type = 'checkbox';
        box.value = name;
        box.dataset.side = String(index);
        label.append(box, goodsImage(goodsPictures.get(name), name, 24, false),
                     make('span', '', name));
        group.append(label);
      }
      goodsList.append(group);
    });
    $('waren-knopf').addEventListener('click', () => showGoodsPanel(goodsList.hidden));
    // The panel closes on Escape and on a click anywhere else, which still
    // does what it does there.
    document.addEventListener('keydown', (event) => {
      if (event.key !== 'Escape' || goodsList.hidden) return;
      showGoodsPanel(false);
      $('waren-knopf').focus();
    });
    document.addEventListener('click', (event) => {
      if (!goodsList.hidden && !event.target.closest('#waren-filter')) showGoodsPanel(false);
    }, true);

    for (const filter of [...filters, ...yesNoFilters]) {
      filter.element.addEventListener('change', applyFilters);
    }
    goodsList.addEventListener('change', applyFilters);
    $('suche').addEventListener('input', applyFilters);
    $('zuruecksetzen').addEventListener('click', () => {
      $('suche').value = '';
      for (const select of $('filter').querySelectorAll('select')) select.value = '';
      for (const box of goodsList.querySelectorAll('input')) box.checked = false;
      applyFilters();
    });
  }

  function showGoodsPanel(open) {
    $('waren-liste').hidden = !open;
    $('waren-knopf').setAttribute('aria-expanded', String(open));
  }

  function chosenGoods() {
    const chosenBySide = goodsSides.map(() => []);
    for (const box of $('waren-liste').querySelectorAll('input:checked')) {
      chosenBySide[Number(box.dataset.side)].push(box.value);
    }
    return chosenBySide;
  }

  function goodsOf(row, side) {
    if (!row.goods) row.goods = goodsSides.map((s) => new Set(row.s[s.field] || []));
    return row.goods[side];
  }

  // The tests of the filters that stand at a choice, read once per update.
  function chosenFilters(goods) {
    const tests = [];
    for (const filter of filters) {
      const chosen = filter.element.value;
      if (chosen) tests.push((row) => filter.value(row) === chosen);
    }
    for (const filter of yesNoFilters) {
      const chosen = filter.element.value;
      if (chosen) {
        tests.push((row) => {
          const count = filter.count(row);
          return count != null && (chosen === 'ja') === (count > 0);
        });
      }
    }
    goods.forEach((names, side) => {
      if (names.length) tests.push((row) => names.every((name) => goodsOf(row, side).has(name)));
    });
    return tests;
  }

  function goodsSummary(goods) {
    const parts = goods.map((names, side) => names.length ?
        goodsSides[side].caption() + ' ' + names.join(', ') : '').filter(Boolean);
    return 'Waren: ' + (parts.length ? parts.join(' · ') : 'alle');
  }

  function applyFilters() {
    const matched = searchMatches(queryWords($('suche').value));
    const goods = chosenGoods();
    const tests = chosenFilters(goods);
    showRows(order.filter((row) => matched[row.index] && tests.every((test) => test(row))));
    $('waren-knopf').textContent = goodsSummary(goods);
    $('keine-treffer').hidden = shown.length > 0 || !rows.length;
    $('leer').hidden = rows.length > 0 || !table;
    $('anzahl').textContent = shown.length === rows.length
        ? counted(rows.length, 'Szenario', 'Szenarien')
        : shown.length + ' von ' + rows.length + ' Szenarien';
  }

  // ---- A scenario's data, loaded for its detail view and comparison ----------

  const loaded = new Map();  // key: the scenario's object from its data part

  window.katalogSzenario = (s) => {
    if (s && typeof s.key === 'string') loaded.set(s.key, s);
  };

  async function scenarioData(row) {
    const key = row.s.key;
    if (!loaded.has(key) && KEY.test(key)) {
      try {
        await loadScript('daten/' + key + '.js');
      } catch (error) {
        // Shown as missing data below.
      }
    }
    const s = loaded.get(key);
    return s && s.id === row.s.id && s.file === row.s.file ? s : null;
  }

  // ---- Tabs like the window's: one page at a time ------------------------------

  let tabSerial = 0;

  // pages: [{caption, panel}]. A click, or the arrow keys, Home and End on the
  // tabs, switch the page.
  function tabbed(pages, label) {
    const box = make('div', 'reiter-rahmen');
    const bar = make('div', 'reiter');
    bar.setAttribute('role', 'tablist');
    bar.setAttribute('aria-label', label);
    const tabs = pages.map(({caption, panel}, index) => {
      const tab = make('button', '', caption);
      tab.type = 'button';
      tab.id = 'reiter-' + (tabSerial += 1);
      tab.setAttribute('role', 'tab');
      panel.id = tab.id + '-seite';
      panel.setAttribute('role', 'tabpanel');
      panel.setAttribute('aria-labelledby', tab.id);
      panel.tabIndex = 0;
      tab.setAttribute('aria-controls', panel.id);
      tab.addEventListener('click', () => select(index, false));
      return tab;
    });
    const select = (chosenIndex, focus) => tabs.forEach((tab, index) => {
      const on = index === chosenIndex;
      tab.setAttribute('aria-selected', String(on));
      tab.tabIndex = on ? 0 : -1;
      pages[index].panel.hidden = !on;
      if (on && focus) tab.focus();
    });
    bar.addEventListener('keydown', (event) => {
      const at = tabs.indexOf(event.target);
      const to = {ArrowLeft: at - 1, ArrowRight: at + 1, Home: 0, End: tabs.length - 1}[event.key];
      if (at < 0 || to === undefined) return;
      event.preventDefault();
      select((to + tabs.length) % tabs.length, true);
    });
    select(0, false);
    bar.append(...tabs);
    box.append(bar, ...pages.map((page) => page.panel));
    return box;
  }

  // ---- Detail view -----------------------------------------------------------

  const dialog = $('detail');
  let detailRow = null;  // the row the detail view shows, and its data
  let detailData = null;

  // A page of the view, headed by its caption where it prints (on screen its
  // tab names it).
  function section(id, caption) {
    const element = make('section', 'seite');
    element.dataset.seite = id;
    element.append(make('h3', 'titel', captions[caption]));
    return element;
  }

  // Labels as they come: a label the window names with another stands with
  // its caption in a list of fields, a label that stands alone in a line
  // with the others around it.
  function layLabels(labels, fieldsClass) {
    const parts = [];
    let fields = null;
    let line = null;
    for (const label of labels) {
      if (label.caption === null) {
        fields = null;
        if (!line) parts.push(line = make('div', 'freie-zeile'));
        const text = control(make('span', '', label.text), label.name);
        if (COLOUR.test(label.color || '')) text.style.color = label.color;
        line.append(text);
      } else {
        line = null;
        if (!fields) parts.push(fields = make('dl', fieldsClass));
        const caption = make('dt', '', label.caption);
        caption.dataset.caption = label.name;
        fields.append(caption, control(make('dd', '', label.text), label.name));
      }
    }
    return parts;
  }

  // Where a label of the scenario stands: the title in the view's head, the
  // map's facts beside the map, every other on the "Ziele" page.
  const TITLE_LABEL = 'SCNName';
  const MAP_LABELS = ['MapSizeInfo', 'MapLocationInfo2'];

  function mapPage(s) {
    const page = section('karte', 'TabKarte');
    page.classList.add('karte');
    page.append(mapImage(s.picture, 'karte-bild', 'Karte von ' + s.id, 'Kein Kartenbild'));
    for (const label of (s.labels || []).filter((l) => MAP_LABELS.includes(l.name))) {
      page.append(control(make('p', '', label.text), label.name));
    }
    return page;
  }

  function goalsPage(s) {
    const page = section('ziele', 'TabZiele');
    const labels = s.labels.filter((l) => l.name !== TITLE_LABEL && !MAP_LABELS.includes(l.name));
    const parts = layLabels(labels, 'felder breit');
    const firstFields = parts.findIndex((part) => part.tagName === 'DL');
    if (firstFields >= 0) parts.splice(firstFields, 0, make('h4', '', captions.AllgemeinLabel));
    // The window's rule below the first line.
    if (parts.length && parts[0].tagName !== 'DL') parts[0].classList.add('kopf');
    parts.splice(parts.length && parts[0].tagName !== 'DL' ? 1 : 0, 0, make('div', 'regel'));
    page.append(...parts);
    return page;
  }

  function goodsSlots(caption, prefix, slots) {
    const slotList = make('ol', 'plaetze');
    slots.forEach((slot, index) => {
      const item = make('li');
      const number = index + 1;
      item.append(make('span', '', index === 0 ? caption : ''), make('span', '', String(number)),
                  goodsImage(slot.picture, slot.name, 32, false),
                  control(make('span', 'zahl', slot.count), prefix + number + 'Count'),
                  control(make('span', '', slot.name), prefix + number + 'Name'));
      slotList.append(item);
    });
    if (!slots.length) {
      const item = make('li');
      item.append(make('span', '', caption), make('span', '', '–'));
      slotList.append(item);
    }
    return slotList;
  }

  function card(kind, index, heading, headingControl) {
    const element = make('article', 'karteikarte');
    element.dataset[kind] = String(index);
    element.append(control(make('h4', '', heading), headingControl));
    return element;
  }

  function subpage(caption, content) {
    const panel = make('div', 'unterseite');
    panel.append(make('h4', 'titel', captions[caption]), ...content);
    return panel;
  }

  // "Handel" with its own tabs, as on the window: the cities' trade, the
  // orders and requests, the goods the player can produce.
  function tradePage(s) {
    const cities = make('div', 'staedte');
    s.cities.forEach((city, index) => {
      const cityCard = card('city', index, city.name, 'CityList');
      cityCard.append(...layLabels(city.labels, 'felder grau'),
                      goodsSlots(captions.CitySellsLabel, 'SellWare', city.sells),
                      goodsSlots(captions.CityBuyLabel, 'BuyWare', city.buys));
      cities.append(cityCard);
    });
    if (!s.cities.length) cities.append(make('p', '', 'keine Städte'));

    const requests = make('div', 'forderungen');
    s.requests.forEach((request, index) => {
      const requestCard = card('request', index, request.entry, 'REQList');
      const parts = layLabels(request.labels, 'felder');
      const name = request.labels.find((l) => l.caption === null);
      const line = parts.find((part) => part.className === 'freie-zeile');
      if (line) line.prepend(goodsImage(request.warePicture, name && name.text, 32, false));
      requestCard.append(...parts);
      requests.append(requestCard);
    });
    if (!s.requests.length) requests.append(make('p', '', 'keine Forderungen'));

    const goods = control(make('ul', 'ressourcen'), 'PGRessourcen');
    for (const good of s.resources.goods) {
      const item = make('li');
      item.append(goodsImage(good.picture, good.name, 32, false), make('span', '', good.name));
      goods.append(item);
    }

    const page = section('handel', 'TabHandel');
    page.append(tabbed([
      {caption: captions.TabWarenhandel, panel: subpage('TabWarenhandel', [cities])},
      {caption: captions.TabForderungen, panel: subpage('TabForderungen', [requests])},
      {caption: captions.PGRessourcen, panel: subpage('PGRessourcen', [
        control(make('p', '', s.resources.header), 'ResourceHeader'), goods])},
    ], captions.TabHandel));
    return page;
  }

  function richPane(name, lines) {
    const pane = control(make('div', 'bereich'), name);
    for (const line of lines) {
      const row = make('div', line.heading ? 'zeile ueberschrift' : 'zeile', line.text);
      if (COLOUR.test(line.color || '')) row.style.color = line.color;
      pane.append(row);
    }
    return pane;
  }

  function militaryPage(s) {
    const page = section('militaer', 'TabMilitaer');
    const panes = make('div', 'militaer');
    panes.append(richPane('Invasionen', s.invasions),
                 richPane('Anforderungen', s.militaryRequests));
    page.append(panes);
    return page;
  }

  function textPage(s) {
    const page = section('text', 'TabText');
    page.append(control(make('p', 'story', s.story), 'Story'));
    return page;
  }

  function damagePage(s) {
    const page = make('section', 'seite');
    page.append(make('h3', '', 'Beschädigt'));
    const box = control(make('div', 'schadenstext'), 'Schaden');
    box.append(make('h4', '', s.damage.title), make('p', '', s.damage.text));
    page.append(box);
    return page;
  }

  // The window's tabs in the window's order; a damaged scenario has none of
  // its pages but its message and, when it could be read, its map.
  const PAGES = [['TabZiele', goalsPage], ['TabHandel', tradePage], ['TabMilitaer', militaryPage],
                 ['TabKarte', mapPage], ['TabText', textPage]];

  function fillDetail(row, s) {
    detailRow = row;
    detailData = s;
    const title = s && s.labels && s.labels.find((l) => l.name === TITLE_LABEL);
    $('detail-titel').textContent = title ? title.text : row.s.id;
    $('detail-link').href = addressOf(row.s);
    $('detail-meldung').textContent = '';
    const content = $('detail-inhalt');
    if (!s) {
      content.replaceChildren(make('p', 'schadenstext', 'Die Daten dieses Szenarios fehlen.'));
    } else if (s.damage) {
      content.replaceChildren(damagePage(s), mapPage(s));
    } else {
      content.replaceChildren(tabbed(PAGES.map(([caption, page]) =>
        ({caption: captions[caption], panel: page(s)})), 'Seiten'));
    }
    content.scrollTop = 0;
    dialog.dataset.id = row.s.id;
    showMarks(row);
  }

  // ---- Forum text ------------------------------------------------------------

  // A scenario's summary in the tags forum software shows: bold, a list and
  // its items, and no pictures (the player's disk is no forum's). Each "[" of
  // a text is followed by a zero-width space, so that no text reads as a tag.
  function forumSafe(text) {
    return String(text).replace(/\[/g, '[\u200b');
  }

  function forumText(row, s) {
    const title = s && s.labels && s.labels.find((l) => l.name === TITLE_LABEL);
    const lines = ['[b]' + forumSafe(title ? title.text : row.s.id) + '[/b] (' +
                   forumSafe(row.s.file) + ')'];
    if (row.s.description) lines.push(forumSafe(row.s.description));
    lines.push('[list]');
    if (row.s.damage) lines.push('[*]' + forumSafe(row.s.damage.title + ': ' + row.s.damage.text));
    for (const column of columns) {
      const text = column.data && column.key !== 'beschreibung' ? columnText(column, row) : null;
      if (text) lines.push('[*]' + forumSafe(plainTitle(column) + ': ' + text));
    }
    lines.push('[/list]');
    return lines.join('\n') + '\n';
  }

  // A browser that gives a page from disk no clipboard copies a selection.
  function copyBySelection(text) {
    const field = make('textarea', 'unsichtbar');
    field.value = text;
    field.readOnly = true;
    dialog.append(field);
    field.select();
    let copied = false;
    try {
      copied = document.execCommand('copy');
    } catch (error) {
      // Told by the caller.
    }
    field.remove();
    $('forentext').focus();
    return copied;
  }

  async function copyForumText() {
    const row = detailRow;
    if (!row) return;
    const text = forumText(row, detailData);
    let copied = false;
    try {
      await navigator.clipboard.writeText(text);
      copied = true;
    } catch (error) {
      copied = copyBySelection(text);
    }
    $('detail-meldung').textContent = copied
        ? 'Als Forentext in die Zwischenablage kopiert: „' + row.s.id + '“.'
        : 'Der Browser hat das Kopieren in die Zwischenablage nicht erlaubt.';
  }

  // ---- Comparison of two to four scenarios -------------------------------------

  const chosen = [];  // the rows chosen for comparison, in the order of choosing
  const comparison = $('vergleich');

  function choose(row, tick) {
    let warning = '';
    if (!tick.checked) {
      chosen.splice(chosen.indexOf(row), 1);
    } else if (chosen.length < COMPARED_MOST) {
      chosen.push(row);
    } else {
      tick.checked = false;
      warning = ' Mehr als vier Szenarien lassen sich nicht vergleichen.';
    }
    showChoice(warning);
  }

  function showChoice(warning = '') {
    $('vergleich-leiste').hidden = !chosen.length;
    $('vergleich-auswahl').textContent = 'Zum Vergleich: ' +
        chosen.map((row) => row.s.id).join(', ') +
        (chosen.length < 2 ? ' (noch mindestens eines wählen).' : '.') + warning;
    $('vergleichen').disabled = chosen.length < 2;
  }

  function clearChoice() {
    for (const row of chosen) {
      if (row.element) row.element.querySelector('.wahl input').checked = false;
    }
    chosen.length = 0;
    showChoice();
  }

  // The names the page gives the labels that stand without a caption on the
  // window; the title heads the comparison, and the region stands once.
  const LABEL_NAMES = {ScnStatusInfo: () => 'Art', MapSizeInfo: () => captions.TabKarte,
                       MapLocationInfo: () => 'Region', ZielInfo: () => captions.TabZiele,
                       ZielNoteInfo: () => 'Hinweis'};
  const GOAL_LABELS = ['ZielInfo', ...RATINGS, 'ZielNoteInfo'];
  const NOT_COMPARED = [TITLE_LABEL, 'MapLocationInfo2'];

  // A fact's cell: what it shows, and the text it is compared by.
  function textFact(text) {
    return {key: text, content: [text]};
  }

  function listFact(texts, lineClass) {
    const box = make('ul', 'zeilen-liste');
    texts.forEach((text, index) => box.append(make('li', lineClass(index), text)));
    return {key: texts.join('\n'), content: [texts.length ? box : '–']};
  }

  function goodsFact(names) {
    const fact = listFact(names, () => '');
    [...fact.content[0].children].forEach((item, index) =>
      item.prepend(goodsImage(goodsPictures.get(names[index]), names[index], 22, false)));
    fact.key = [...names].sort().join('\n');
    return fact;
  }

  function paneFact(lines) {
    const texts = lines.filter((line) => line.text.trim());
    return listFact(texts.map((line) => line.text.trim()),
                    (index) => (texts[index].heading ? 'ueberschrift' : ''));
  }

  function requestText(request) {
    const labels = labelsByName(request.labels);
    const text = (name) => (labels[name] ? labels[name].text.trim() : '');
    const parts = [(text('REQWareCount') + ' ' + text('REQWareName')).trim()];
    for (const name of ['REQTime', 'REQComply']) {
      if (labels[name]) parts.push((labels[name].caption || '').trim() + ' ' + text(name));
    }
    return parts.join(' · ');
  }

  // What the comparison sets side by side, group by group: the summary, the
  // goals, the goods sold and bought, invasions and requests.
  function comparedGroups(first) {
    const names = first.labels.map((l) => l.name).filter((n) => !NOT_COMPARED.includes(n));
    const caption = (name) => {
      const label = first.labels.find((l) => l.name === name);
      return (label.caption || '').trim() || (LABEL_NAMES[name] ? LABEL_NAMES[name]() : name);
    };
    const labelFacts = (chosenNames) => chosenNames.map((name) => ({caption: caption(name),
      read: (s) => {
        const label = s.labels.find((l) => l.name === name);
        return label ? textFact(label.text.trim()) : null;
      }}));
    return [
      {caption: 'Übersicht', facts: [
        ...labelFacts(names.filter((n) => !GOAL_LABELS.includes(n))),
        {caption: 'Handelsstädte', read: (s) => textFact(String(s.tradeCityCount))}]},
      {caption: captions.TabZiele, facts: labelFacts(names.filter((n) => GOAL_LABELS.includes(n)))},
      {caption: 'Waren', facts: [
        {caption: captions.CitySellsLabel, read: (s) => goodsFact(s.goodsSold)},
        {caption: captions.CityBuyLabel, read: (s) => goodsFact(s.goodsBought)}]},
      {caption: captions.TabMilitaer, facts: [
        {caption: labelCaption('MilitaryInvasionsInfo'), read: (s) => paneFact(s.invasions)},
        {caption: labelCaption('MilitaryRequestsInfo'),
         read: (s) => paneFact(s.militaryRequests)}]},
      {caption: captions.TabForderungen, facts: [
        {caption: captions.TabForderungen,
         read: (s) => listFact(s.requests.map(requestText), () => '')}]},
    ];
  }

  function fillComparison(picked, data) {
    const compared = make('table', 'vergleich-tabelle');
    const head = make('thead');
    const headRow = make('tr');
    headRow.append(make('td'));
    for (const row of picked) {
      const name = make('th', '', row.s.id);
      name.scope = 'col';
      if (row.s.damage) name.append(' ', make('span', 'marke', 'beschädigt'));
      headRow.append(name);
    }
    head.append(headRow);
    compared.append(head);
    const usable = data.map((s) => (s && !s.damage ? s : null));
    const first = usable.find(Boolean);
    for (const group of first ? comparedGroups(first) : []) {
      const body = make('tbody');
      const groupRow = make('tr', 'gruppe');
      const groupHead = make('th', '', group.caption);
      groupHead.colSpan = picked.length + 1;
      groupHead.scope = 'colgroup';
      groupRow.append(groupHead);
      body.append(groupRow);
      for (const fact of group.facts) {
        const values = usable.map((s) => (s && fact.read(s)) || textFact('–'));
        const differs = new Set(values.map((value) => value.key)).size > 1;
        const factRow = make('tr', differs ? 'anders' : '');
        const caption = make('th', '', fact.caption);
        caption.scope = 'row';
        if (differs) {
          const sign = make('span', 'anders-zeichen', '≠');
          sign.title = 'unterschiedlich';
          caption.append(' ', sign);
        }
        factRow.append(caption);
        for (const value of values) {
          const valueCell = make('td');
          valueCell.append(...value.content);
          factRow.append(valueCell);
        }
        body.append(factRow);
      }
      compared.append(body);
    }
    $('vergleich-inhalt').replaceChildren(compared);
  }

  // The comparison is a step of the browser's history too: Back closes it.
  async function openComparison() {
    const picked = [...chosen];
    const data = await Promise.all(picked.map(scenarioData));
    fillComparison(picked, data);
    if (comparison.open) return;
    history.pushState({katalog: 'vergleich'}, '');
    comparison.showModal();
  }

  function comparisonClosed() {
    if (history.state && history.state.katalog === 'vergleich') history.back();
    viewClosed();
    $('vergleichen').focus();
  }

  // Marks that changed while a view was open.
  function viewClosed() {
    if (!marksPending || dialog.open || comparison.open) return;
    marksPending = false;
    relist();
  }

  // ---- Addresses and the browser's history -------------------------------------

  // The address #NAME opens a scenario: NAME is its base name, percent-encoded
  // as UTF-8 (encodeURIComponent), or its file name when the base name is
  // empty (".scn"). A file name with ".scn" is accepted too. The name as it
  // stands comes first: two files may differ only in their Unicode form, and
  // each keeps its own address. A name typed in another form is found when
  // only one scenario has it.
  function addressOf(s) {
    return '#' + encodeURIComponent(s.id !== '' ? s.id : s.file);
  }

  function addressedName() {
    const raw = location.hash.slice(1);
    try {
      return decodeURIComponent(raw);
    } catch (error) {
      return raw;  // a lone "%" typed by hand: the name as it stands
    }
  }

  function rowOfAddress(name) {
    return byName.get(name) || byFile.get(name) || byForm.get(name.normalize('NFC')) || null;
  }

  let addressed = 0;  // counts the addresses taken, so that a slow load yields to a later one

  async function showAddressedScenario() {
    const name = addressedName();
    const row = name ? rowOfAddress(name) : null;
    const turn = ++addressed;
    if (name && !row) {
      say('Kein Szenario dieses Katalogs heißt „' + name + '“.');
      addressNotice = true;
    } else if (addressNotice) {
      say('');
    }
    if (!row) {
      if (dialog.open) dialog.close();
      return;
    }
    if (dialog.open && detailRow === row) return;
    const s = await scenarioData(row);
    if (turn !== addressed) return;
    fillDetail(row, s);
    if (!dialog.open) dialog.showModal();
  }

  // Opening a row is a step of the browser's history: Back closes the view.
  function openDetail(row) {
    const address = addressOf(row.s);
    if (location.hash === address) {
      showAddressedScenario();
    } else {
      location.hash = address;
    }
  }

  // A view opened from the list marks its step of the history, so that
  // closing it goes back to the list rather than leaving a step behind.
  function addressChanged(event) {
    if (location.hash && !new URL(event.oldURL).hash) history.replaceState({katalog: 'detail'}, '');
    showAddressedScenario();
  }

  function detailClosed() {
    addressed += 1;
    delete dialog.dataset.id;
    const row = detailRow;
    detailRow = detailData = null;
    if (location.hash) {
      if (history.state && history.state.katalog === 'detail') {
        history.back();
      } else {
        history.replaceState(null, '', location.href.split('#')[0]);
      }
    }
    viewClosed();
    if (row) focusRow(row);
  }

  function historyStepped() {
    if (comparison.open && !(history.state && history.state.katalog === 'vergleich')) {
      comparison.close();
    }
  }

  // ---- Print ---------------------------------------------------------------

  // The list prints as a plain table of the rows that pass search and
  // filters, with every column and none of the controls; an open view prints
  // instead, whole (the print style shows all its pages).
  function printedList() {
    const printed = make('table');
    printed.id = 'druck';
    const head = make('thead');
    const headRow = make('tr');
    for (const column of columns) {
      headRow.append(make('th', 'spalte-' + column.key + (isCount(column) ? ' zahl' : ''),
                          column.title()));
    }
    head.append(headRow);
    const body = make('tbody');
    for (const row of shown) {
      const printedRow = make('tr', row.s.damage ? 'beschaedigt' : '');
      columns.forEach((column, index) => {
        if (row.s.damage && column.data) {
          if (index !== firstData) return;
          const damage = make('td', 'schaden', row.s.damage.title + ': ' + row.s.damage.text);
          damage.colSpan = dataColumns;
          printedRow.append(damage);
          return;
        }
        const name = column.key === 'name';
        const printedCell = make('td', 'spalte-' + column.key + (isCount(column) ? ' zahl' : ''),
                                 name ? row.s.id : columnText(column, row));
        if (name) printedCell.append(make('span', 'datei', row.s.file));
        printedRow.append(printedCell);
      });
      body.append(printedRow);
    }
    printed.append(head, body);
    return printed;
  }

  function beforePrint() {
    if (dialog.open || comparison.open) {
      document.documentElement.classList.add('druck-ansicht');
    } else {
      document.body.append(printedList());
    }
  }

  function afterPrint() {
    document.documentElement.classList.remove('druck-ansicht');
    const printed = $('druck');
    if (printed) printed.remove();
  }

  // ---- Fonts ---------------------------------------------------------------

  // The two families of the lister's window, from the catalogue's fonts
  // file; until they are there the page shows in the browser's own.
  window.katalogSchriften = (faces) => {
    if (!Array.isArray(faces)) return;
    for (const {family, weight, data} of faces) {
      if (typeof family !== 'string' || typeof data !== 'string' || !BASE64.test(data)) continue;
      const text = atob(data);
      const bytes = new Uint8Array(text.length);
      for (let i = 0; i < text.length; i += 1) bytes[i] = text.charCodeAt(i);
      const face = new FontFace(family, bytes, {weight: String(weight), display: 'swap'});
      document.fonts.add(face);
      face.load().catch(() => {});
    }
  };

  // ---- Start ---------------------------------------------------------------

  const rows = (table ? table.scenarios : []).map((s, index) => {
    // The search texts are made when a search or the search file first needs them.
    return {s, index, labels: labelsByName(s.labels), element: null, folded: undefined};
  });
  const byId = new Map(rows.map((row) => [row.s.id, row]));  // the marks' keys
  const byName = new Map();
  const byFile = new Map();
  const byForm = new Map();  // NFC of names and file names; null where two share one
  for (const row of rows) {
    const s = row.s;
    if (s.id !== '') byName.set(s.id, row);
    byFile.set(s.file, row);
    for (const name of new Set([s.id, s.file].filter((n) => n !== '').map((n) => n.normalize('NFC')))) {
      byForm.set(name, byForm.has(name) && byForm.get(name) !== row ? null : row);
    }
  }

  function startMarks() {
    readStoredMarks();
    const controls = document.querySelectorAll('#marken-knoepfe, .marken-filter, #detail-marken');
    for (const element of controls) element.hidden = false;
    addEventListener('storage', storageChanged);
    $('exportieren').addEventListener('click', exportMarks);
    $('importieren').addEventListener('change', (event) => {
      const file = event.target.files[0];
      event.target.value = '';
      if (file) importMarks(file);
    });
    const detailMark = (field, read) => (event) => {
      if (detailRow) changeMark(detailRow, {[field]: read(event.target)});
    };
    $('detail-favorit').addEventListener('change', detailMark('favourite', (box) => box.checked));
    $('detail-gespielt').addEventListener('change', detailMark('played', (box) => box.checked));
    $('detail-notiz').addEventListener('input',
                                       detailMark('note', (field) => cleanNote(field.value)));
  }

  $('fehler').hidden = table !== null;
  if (storage) {
    startMarks();
  } else {
    $('ohne-speicher').hidden = table === null;
  }
  buildHeader();
  buildFilters();
  readRowHeight();
  relist();
  addEventListener('scroll', renderSoon, {passive: true});
  addEventListener('resize', resized);
  addEventListener('hashchange', addressChanged);
  addEventListener('popstate', historyStepped);
  addEventListener('beforeprint', beforePrint);
  addEventListener('afterprint', afterPrint);
  dialog.addEventListener('close', detailClosed);
  $('detail-schliessen').addEventListener('click', () => dialog.close());
  $('forentext').addEventListener('click', copyForumText);
  comparison.addEventListener('close', comparisonClosed);
  $('vergleich-schliessen').addEventListener('click', () => comparison.close());
  $('vergleichen').addEventListener('click', openComparison);
  $('vergleich-aufheben').addEventListener('click', clearChoice);
  // A comparison is not restored by a reload; its step of the history goes.
  if (history.state && history.state.katalog === 'vergleich') history.replaceState(null, '');
  showAddressedScenario();

  // Once the first rows are painted: marked for the tests and the benchmark,
  // then the fonts and the texts that only search needs.
  requestAnimationFrame(() => setTimeout(() => {
    performance.mark(ROWS_SHOWN_MARK);
    document.documentElement.dataset.zustand = 'bereit';
    loadScript(FONTS_SCRIPT).catch(() => {});
    const search = table && table.search;
    if (typeof search === 'string' && SEARCH_SCRIPT.test(search)) {
      loadScript(search).catch(() => {});
    }
  }, 0));
})();
