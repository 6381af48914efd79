// OpenDocument text written in the browser: a ZIP archive with stored
// (uncompressed) entries, which every office suite reads, so that no server
// and no library is needed. Blocks are paragraphs (strings) or tables
// ({entetes: [...], lignes: [[...], ...]}).

const encodeur = new TextEncoder();

let tableCrc = null;
function crc32(octets) {
  if (!tableCrc) {
    tableCrc = new Uint32Array(256);
    for (let n = 0; n < 256; n++) {
      let c = n;
      for (let k = 0; k < 8; k++) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
      tableCrc[n] = c >>> 0;
    }
  }
  let c = 0xffffffff;
  for (const o of octets) c = tableCrc[(c ^ o) & 0xff] ^ (c >>> 8);
  return (c ^ 0xffffffff) >>> 0;
}

// A ZIP archive of stored entries [{nom, octets}], in the given order (the
// "mimetype" entry of an OpenDocument file must come first).
export function zip(entrees) {
  const morceaux = [];
  const central = [];
  let position = 0;
  for (const { nom, octets } of entrees) {
    const n = encodeur.encode(nom);
    const crc = crc32(octets);
    const entete = new DataView(new ArrayBuffer(30));
    entete.setUint32(0, 0x04034b50, true);
    entete.setUint16(4, 10, true);
    entete.setUint16(6, 0x0800, true); // names in UTF-8
    entete.setUint16(8, 0, true); // stored
    entete.setUint16(10, 0, true);
    entete.setUint16(12, 0x21, true); // 1 January 1980
    entete.setUint32(14, crc, true);
    entete.setUint32(18, octets.length, true);
    entete.setUint32(22, octets.length, true);
    entete.setUint16(26, n.length, true);
    entete.setUint16(28, 0, true);
    const c = new DataView(new ArrayBuffer(46));
    c.setUint32(0, 0x02014b50, true);
    c.setUint16(4, 20, true);
    c.setUint16(6, 10, true);
    c.setUint16(8, 0x0800, true);
    c.setUint16(10, 0, true);
    c.setUint16(12, 0, true);
    c.setUint16(14, 0x21, true);
    c.setUint32(16, crc, true);
    c.setUint32(20, octets.length, true);
    c.setUint32(24, octets.length, true);
    c.setUint16(28, n.length, true);
    c.setUint32(42, position, true);
    morceaux.push(new Uint8Array(entete.buffer), n, octets);
    central.push(new Uint8Array(c.buffer), n);
    position += 30 + n.length + octets.length;
  }
  const tailleCentral = central.reduce((t, m) => t + m.length, 0);
  const fin = new DataView(new ArrayBuffer(22));
  fin.setUint32(0, 0x06054b50, true);
  fin.setUint16(8, entrees.length, true);
  fin.setUint16(10, entrees.length, true);
  fin.setUint32(12, tailleCentral, true);
  fin.setUint32(16, position, true);
  return new Blob([...morceaux, ...central, new Uint8Array(fin.buffer)]);
}

const xml = (t) =>
  String(t).replace(/[&<>"]/g, (c) => ({ "&": "&amp;", "<": "&lt;", ">": "&gt;", '"': "&quot;" })[c]);

function paragraphe(texte) {
  return `<text:p>${xml(texte)}</text:p>`;
}

function table(t, numero) {
  const ligne = (cellules) =>
    "<table:table-row>" +
    cellules
      .map((c) => `<table:table-cell office:value-type="string">${paragraphe(c)}</table:table-cell>`)
      .join("") +
    "</table:table-row>";
  return (
    `<table:table table:name="Tableau${numero}">` +
    `<table:table-column table:number-columns-repeated="${t.entetes.length}"/>` +
    `<table:table-header-rows>${ligne(t.entetes)}</table:table-header-rows>` +
    t.lignes.map(ligne).join("") +
    "</table:table>"
  );
}

export function odt(blocs) {
  let numero = 0;
  const corps = blocs
    .map((b) => (typeof b === "string" ? paragraphe(b) : table(b, ++numero)))
    .join("");
  const contenu =
    '<?xml version="1.0" encoding="UTF-8"?>' +
    '<office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"' +
    ' xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"' +
    ' xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" office:version="1.2">' +
    `<office:body><office:text>${corps}</office:text></office:body></office:document-content>`;
  const manifeste =
    '<?xml version="1.0" encoding="UTF-8"?>' +
    '<manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0" manifest:version="1.2">' +
    '<manifest:file-entry manifest:full-path="/" manifest:media-type="application/vnd.oasis.opendocument.text"/>' +
    '<manifest:file-entry manifest:full-path="content.xml" manifest:media-type="text/xml"/>' +
    "</manifest:manifest>";
  return zip([
    { nom: "mimetype", octets: encodeur.encode("application/vnd.oasis.opendocument.text") },
    { nom: "META-INF/manifest.xml", octets: encodeur.encode(manifeste) },
    { nom: "content.xml", octets: encodeur.encode(contenu) },
  ]);
}
