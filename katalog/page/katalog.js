'use strict';
(() => {
  // Every text of a scenario reaches the page through JSON.parse, the JSON of
  // the catalogue's own script files, textContent and element properties,
  // never as markup.

  const ROWS_FORMAT = 'szenarienkatalog-zeilen';
  const DATA_VERSION = 2;
  const ROWS_SHOWN_MARK = 'katalog-zeilen-gezeigt';
  const SEARCH_READY_MARK = 'katalog-suche-bereit';
  const ROW_HEIGHT = 96;  // pixels; every row of the table is as high
  const ROWS_AROUND = 3;  // rows kept in the document above and below the window
  const SEARCH_CHUNK = 400;  // scenarios whose search texts are prepared in one task
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

  function goodsImage(picture, name, size) {
    if (!picture || !GOODS_PICTURE.test(picture)) return make('span', 'ohne-bild-ware');
    const image = make('img');
    image.alt = '';
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

  // ---- Search --------------------------------------------------------------

  // Two spellings of every text: umlauts folded to their base letter
  // ("Olivenöl" gives "olivenol") and umlauts written out ("olivenoel"), both
  // in lower case with ß as ss and other accents dropped. A word of the query
  // matches a text when its folded form occurs in the folded text or its
  // written-out form in the written-out text: "ol" and "Öl" find "Olivenöl",
  // "oel" finds "Olivenöl" and "Oelkrug" but not "Oliven".
  const MARKS = /[\u0300-\u036f]/g;

  function folded(text) {
    return text.toLowerCase().replace(/ß/g, 'ss').normalize('NFD').replace(MARKS, '');
  }

  function writtenOut(text) {
    return text.toLowerCase().normalize('NFC').replace(/ß/g, 'ss').replace(/ä/g, 'ae')
        .replace(/ö/g, 'oe').replace(/ü/g, 'ue').normalize('NFD').replace(MARKS, '');
  }

  const RATINGS = ['CultureInfo', 'SecurityInfo', 'ProsperityInfo', 'FavorInfo', 'PopulationInfo'];

  // What the row itself holds of the searched texts: names, damage, goals and
  // goods. The search file adds the cities, the requested goods and the
  // story. One text a line, so that no word of a query reaches into the next.
  function rowSearchText(row) {
    const s = row.s;
    const parts = [s.id, s.file];
    if (s.damage) parts.push(s.damage.text);
    for (const name of ['ZielInfo', ...RATINGS]) {
      const text = labelText(row, name);
      if (text !== null) parts.push(text);
    }
    parts.push(...(s.goodsSold || []), ...(s.goodsBought || []));
    return parts.join('\n');
  }

  function setSearchText(row, text) {
    row.folded = folded(text);
    row.writtenOut = writtenOut(text);
  }

  function queryWords(query) {
    return query.trim().split(/\s+/).filter(Boolean)
        .map((word) => ({folded: folded(word), writtenOut: writtenOut(word)}));
  }

  function matchesQuery(row, words) {
    if (row.folded === undefined && words.length) setSearchText(row, rowSearchText(row));
    return words.every((w) => row.folded.includes(w.folded) ||
                              row.writtenOut.includes(w.writtenOut));
  }

  // A query whose every word holds the word of the last query at its place
  // matches only rows that the last one matched: typing on searches those.
  function narrows(words, last) {
    return last.length <= words.length && last.every((w, i) =>
      words[i].folded.includes(w.folded) && words[i].writtenOut.includes(w.writtenOut));
  }

  let searchGeneration = 0;  // counts the search texts' arrivals
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
        const extra = Array.isArray(texts[next]) ? texts[next].filter((t) => typeof t === 'string') : [];
        setSearchText(rows[next], [rowSearchText(rows[next]), ...extra].join('\n'));
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
  const columns = [
    {title: () => 'Szenario', value: (r) => r.s.id, text: true, cell: scenarioCell},
    {title: () => 'Art', value: (r) => labelText(r, 'ScnStatusInfo'), text: true},
    {title: () => captions.TabKarte, value: (r) => r.s.mapSide,
     cell: (r) => cell('', labelText(r, 'MapSizeInfo'))},
    {title: () => 'Region', value: (r) => labelText(r, 'MapLocationInfo'), text: true},
    {title: () => captions.TabZiele, value: (r) => labelText(r, 'ZielInfo'), text: true,
     cell: goalsCell},
    {title: () => 'Handels\u00adstädte', value: (r) => r.s.tradeCityCount},
    {title: () => captions.CitySellsLabel, hint: 'Waren, die die Handelsstädte verkaufen',
     value: (r) => r.s.goodsSold && r.s.goodsSold.join(', '), text: true,
     cell: (r) => goodsCell(r.s.goodsSold)},
    {title: () => captions.CityBuyLabel, hint: 'Waren, die die Handelsstädte kaufen',
     value: (r) => r.s.goodsBought && r.s.goodsBought.join(', '), text: true,
     cell: (r) => goodsCell(r.s.goodsBought)},
    {title: () => captions.TabForderungen, value: (r) => r.s.requestCount},
    {title: () => labelCaption('MilitaryInvasionsInfo'), value: (r) => r.s.invasionCount},
    {title: () => labelCaption('MilitaryRequestsInfo'), value: (r) => r.s.militaryRequestCount},
    {title: () => 'Beschreibung', value: (r) => r.s.description, text: true,
     cell: descriptionCell},
  ];

  // Counts stand right-aligned; the map size sorts by its side but reads as text.
  function isCount(column) {
    return !column.text && !column.cell;
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

  function goalsCell(row) {
    const cellBox = cell('', labelText(row, 'ZielInfo'));
    const ratings = RATINGS.map((name) => row.labels[name])
        .filter((label) => label && label.text !== '-*-')
        .map((label) => label.caption + ' ' + label.text);
    if (ratings.length) cellBox.append(make('span', 'wertungen', ratings.join(' · ')));
    return cellBox;
  }

  // The goods with their pictures: the first slot of the catalogue that names
  // a good gives it.
  function goodsCell(names) {
    const cellBox = cell();
    const list = make('ul', 'waren');
    for (const name of names) {
      const item = make('li');
      item.append(goodsImage(goodsPictures.get(name), name, 20), make('span', '', name));
      list.append(item);
    }
    cellBox.append(list);
    return cellBox;
  }

  function descriptionCell(row) {
    const cellBox = cell('beschreibung', row.s.description);
    cellBox.title = row.s.description;
    return cellBox;
  }

  function buildHeader() {
    const headerRow = $('spalten');
    columns.forEach((column, index) => {
      const header = make('div', isCount(column) ? 'zahl' : '');
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
    element.style.height = ROW_HEIGHT + 'px';
    element.dataset.id = s.id;
    element.append(scenarioCell(row));
    if (s.damage) {
      const cellBox = cell('schaden');
      cellBox.append(make('strong', '', s.damage.title + ': '), s.damage.text);
      element.append(cellBox);
    } else {
      for (const column of columns.slice(1)) {
        const cellBox = column.cell ? column.cell(row) : cell('', column.value(row));
        if (isCount(column)) cellBox.classList.add('zahl');
        element.append(cellBox);
      }
    }
    element.addEventListener('click', (event) => {
      if (event.target.closest('a')) return;  // the link opens it itself
      openByAddress(s);
    });
    return element;
  }

  // ---- The list: only the rows in view stand in the document ----------------

  const list = $('zeilen');
  let order = [];  // every row, in the chosen order
  let shown = [];  // the rows that pass search and filters, in that order

  function elementOf(row) {
    if (!row.element) row.element = buildRow(row);
    return row.element;
  }

  // Puts the rows around the window in place, and takes the others out. A row
  // that stays keeps its element (and its focus).
  function renderWindow() {
    const top = list.getBoundingClientRect().top;
    const first = Math.max(0, Math.floor(-top / ROW_HEIGHT) - ROWS_AROUND);
    const end = Math.min(shown.length, Math.ceil((innerHeight - top) / ROW_HEIGHT) + ROWS_AROUND);
    const wanted = [];
    for (let position = first; position < end; position += 1) {
      const element = elementOf(shown[position]);
      element.style.top = position * ROW_HEIGHT + 'px';
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

  function showRows(passing) {
    shown = passing;
    list.style.height = shown.length * ROW_HEIGHT + 'px';
    $('tabelle').setAttribute('aria-rowcount', String(shown.length + 1));
    renderWindow();
  }

  // ---- Sorting -------------------------------------------------------------

  // Texts in German order (numbers inside them by value), counts by value. A
  // row without a value (a damaged scenario, a map of unknown size) comes
  // last in both directions; equal values keep the order of the names.
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
      const byValue = column.text ? collator.compare(x, y) : x - y;
      if (byValue) return sortDirection * byValue;
    }
    return collator.compare(a.s.id, b.s.id) || a.index - b.index;
  }

  function sortBy(index) {
    sortDirection = index === sortColumn ? -sortDirection : 1;
    sortColumn = index;
    applySort();
    applyFilters();
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

  // ---- Filters -------------------------------------------------------------

  const filters = [
    {element: $('filter-art'), value: (r) => labelText(r, 'ScnStatusInfo')},
    {element: $('filter-region'), value: (r) => labelText(r, 'MapLocationInfo')},
    {element: $('filter-karte'), value: (r) => labelText(r, 'MapSizeInfo')},
  ];
  const yesNoFilters = [
    {element: $('filter-invasionen'), count: (r) => r.s.invasionCount},
    {element: $('filter-militaer'), count: (r) => r.s.militaryRequestCount},
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
    for (const name of [...goodsPictures.keys()].sort(collator.compare)) {
      const label = make('label');
      const box = make('input');
      box.type = 'checkbox';
      box.value = name;
      label.append(box, goodsImage(goodsPictures.get(name), name, 32), make('span', '', name));
      goodsList.append(label);
    }

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

  function chosenGoods() {
    return [...$('waren-liste').querySelectorAll('input:checked')].map((box) => box.value);
  }

  function tradedGoods(row) {
    if (!row.traded) row.traded = new Set([...(row.s.goodsSold || []), ...(row.s.goodsBought || [])]);
    return row.traded;
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
    if (goods.length) tests.push((row) => goods.every((good) => tradedGoods(row).has(good)));
    return tests;
  }

  function applyFilters() {
    const matched = searchMatches(queryWords($('suche').value));
    const goods = chosenGoods();
    const tests = chosenFilters(goods);
    showRows(order.filter((row) => matched[row.index] && tests.every((test) => test(row))));
    $('waren-zusammenfassung').textContent =
        goods.length ? 'Waren: ' + goods.join(', ') : 'Waren: alle';
    $('keine-treffer').hidden = shown.length > 0;
    $('anzahl').textContent = shown.length === rows.length
        ? rows.length + (rows.length === 1 ? ' Szenario' : ' Szenarien')
        : shown.length + ' von ' + rows.length + ' Szenarien';
  }

  // ---- A scenario's data, loaded for its detail view --------------------------

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

  // ---- Detail view -----------------------------------------------------------

  const dialog = $('detail');

  function section(id, caption) {
    const element = make('section', 'seite');
    element.id = 'seite-' + id;
    element.append(make('h3', '', captions[caption]));
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
                  goodsImage(slot.picture, slot.name, 32),
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

  function tradePage(s) {
    const page = section('handel', 'TabHandel');
    page.append(make('h4', '', captions.TabWarenhandel));
    const cities = make('div', 'staedte');
    s.cities.forEach((city, index) => {
      const cityCard = card('city', index, city.name, 'CityList');
      cityCard.append(...layLabels(city.labels, 'felder grau'),
                      goodsSlots(captions.CitySellsLabel, 'SellWare', city.sells),
                      goodsSlots(captions.CityBuyLabel, 'BuyWare', city.buys));
      cities.append(cityCard);
    });
    if (!s.cities.length) cities.append(make('p', '', 'keine Städte'));
    page.append(cities);

    page.append(make('h4', '', captions.TabForderungen));
    const requests = make('div', 'forderungen');
    s.requests.forEach((request, index) => {
      const requestCard = card('request', index, request.entry, 'REQList');
      const parts = layLabels(request.labels, 'felder');
      const name = request.labels.find((l) => l.caption === null);
      const line = parts.find((part) => part.className === 'freie-zeile');
      if (line) line.prepend(goodsImage(request.warePicture, name && name.text, 32));
      requestCard.append(...parts);
      requests.append(requestCard);
    });
    if (!s.requests.length) requests.append(make('p', '', 'keine Forderungen'));
    page.append(requests);

    page.append(make('h4', '', captions.PGRessourcen));
    const goods = control(make('ul', 'ressourcen'), 'PGRessourcen');
    for (const good of s.resources.goods) {
      const item = make('li');
      item.append(goodsImage(good.picture, good.name, 32), make('span', '', good.name));
      goods.append(item);
    }
    page.append(control(make('p', '', s.resources.header), 'ResourceHeader'), goods);
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
    page.id = 'seite-schaden';
    page.append(make('h3', '', 'Beschädigt'));
    const box = control(make('div', 'schadenstext'), 'Schaden');
    box.append(make('h4', '', s.damage.title), make('p', '', s.damage.text));
    page.append(box);
    return page;
  }

  const TABS = ['TabZiele', 'TabHandel', 'TabMilitaer', 'TabKarte', 'TabText'];

  function fillDetail(row, s) {
    const title = s && s.labels && s.labels.find((l) => l.name === TITLE_LABEL);
    $('detail-titel').textContent = title ? title.text : row.s.id;
    $('detail-link').href = addressOf(row.s);
    const content = $('detail-inhalt');
    if (!s) {
      content.replaceChildren(make('p', 'schadenstext', 'Die Daten dieses Szenarios fehlen.'));
    } else {
      const top = make('div', 'oben');
      top.append(mapPage(s), s.damage ? damagePage(s) : goalsPage(s));
      const pages = [top];
      if (!s.damage) pages.push(tradePage(s), militaryPage(s), textPage(s));
      content.replaceChildren(...pages);
    }
    const tabs = $('detail-reiter');
    tabs.replaceChildren();
    for (const caption of TABS) {
      const target = content.querySelector('#seite-' + caption.slice(3).toLowerCase());
      if (!target) continue;
      const button = make('button', '', captions[caption]);
      button.type = 'button';
      button.addEventListener('click', () => target.scrollIntoView({block: 'start'}));
      tabs.append(button);
    }
    tabs.hidden = tabs.children.length < 2;
    dialog.dataset.id = row.s.id;
  }

  // The address #NAME opens a scenario: NAME is its base name, percent-encoded
  // as UTF-8 (encodeURIComponent), or its file name when the base name is
  // empty (".scn"). A file name with ".scn" is accepted too. The name as it
  // stands comes first: two files may differ only in their Unicode form, and
  // each keeps its own address. A name typed in another form is found when
  // only one scenario has it.
  function addressOf(s) {
    return '#' + encodeURIComponent(s.id !== '' ? s.id : s.file);
  }

  function rowOfAddress() {
    const raw = location.hash.slice(1);
    if (!raw) return null;
    let name = raw;
    try {
      name = decodeURIComponent(raw);
    } catch (error) {
      // A lone "%" typed by hand: take the name as it stands.
    }
    return byName.get(name) || byFile.get(name) || byForm.get(name.normalize('NFC')) || null;
  }

  let rowBeforeDetail = null;
  let addressed = 0;  // counts the addresses taken, so that a slow load yields to a later one

  async function showAddressedScenario() {
    const row = rowOfAddress();
    const turn = ++addressed;
    if (!row) {
      if (dialog.open) dialog.close();
      return;
    }
    const s = await scenarioData(row);
    if (turn !== addressed) return;
    fillDetail(row, s);
    if (!dialog.open) {
      rowBeforeDetail = document.activeElement;
      dialog.showModal();
    }
    dialog.scrollTop = 0;
  }

  function openByAddress(s) {
    const address = addressOf(s);
    if (location.hash === address) {
      showAddressedScenario();
    } else {
      location.hash = address;
    }
  }

  function detailClosed() {
    addressed += 1;
    delete dialog.dataset.id;
    if (location.hash) history.replaceState(null, '', location.href.split('#')[0]);
    if (rowBeforeDetail && rowBeforeDetail.isConnected) rowBeforeDetail.focus();
    rowBeforeDetail = null;
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

  $('fehler').hidden = table !== null;
  buildHeader();
  buildFilters();
  applySort();
  applyFilters();
  addEventListener('scroll', renderSoon, {passive: true});
  addEventListener('resize', renderSoon);
  dialog.addEventListener('close', detailClosed);
  $('detail-schliessen').addEventListener('click', () => dialog.close());
  addEventListener('hashchange', showAddressedScenario);
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
